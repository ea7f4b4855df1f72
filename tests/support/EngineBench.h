#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/DiceEngine.h"
#include "platform/RandomSource.h"
#include "tests/support/MemoryCaption.h"
#include "tests/support/MemoryCheckBox.h"
#include "tests/support/MemoryClipboard.h"
#include "tests/support/MemoryList.h"

namespace kelvane::testing {

// A roll's controls in memory, with the engine writing to them and the clipboard option
// ticked.
struct EngineBench {
    explicit EngineBench(RandomSource& random, std::string resultWord = "Result")
        : engine(random, frame, copyOption, clipboard,
                 [word = std::move(resultWord)](std::string_view rollName) {
                     return word + ": " + std::string(rollName);
                 }) {}

    [[nodiscard]] std::vector<std::string> Lines() const { return list.Lines().ToStrings(); }

    MemoryCaption frame{"Result"};
    MemoryCaption total{"0"};
    MemoryCheckBox copyOption{1};
    MemoryClipboard clipboard;
    MemoryList list;
    DiceEngine engine;
};

}  // namespace kelvane::testing
