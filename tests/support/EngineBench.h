#pragma once

#include <string>
#include <utility>
#include <vector>

#include "DiceEngine.h"
#include "MemoryCaption.h"
#include "MemoryCheckBox.h"
#include "MemoryClipboard.h"
#include "MemoryList.h"
#include "RandomSource.h"

namespace kelvane::testing {

// A roll's controls in memory, with the engine writing to them and the clipboard option
// ticked.
struct EngineBench {
    explicit EngineBench(RandomSource& random, std::string resultWord = "Result")
        : engine(random, frame, copyOption, clipboard, std::move(resultWord)) {}

    [[nodiscard]] std::vector<std::string> Lines() const { return list.Lines().ToStrings(); }

    MemoryCaption frame{"Result"};
    MemoryCaption total{"0"};
    MemoryCheckBox copyOption{1};
    MemoryClipboard clipboard;
    MemoryList list;
    DiceEngine engine;
};

}  // namespace kelvane::testing
