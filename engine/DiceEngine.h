#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "CaptionTarget.h"
#include "CheckBoxSource.h"
#include "ClipboardTarget.h"
#include "ListTarget.h"
#include "RandomSource.h"

namespace kelvane {

// Throws dice and writes a roll's outputs: one list line per die, the result frame's caption,
// the total and, when the clipboard option is ticked, the values as clipboard text.
//
// The caption names the roll after resultWord, as in "Result: 3d6"; the window hands over the
// word in the player's language, while the roll's name stays the same in every language.
class DiceEngine {
  public:
    DiceEngine(RandomSource& random, CaptionTarget& resultFrame, CheckBoxSource& copyOption,
               ClipboardTarget& clipboard, std::string resultWord = "Result")
        : random_(random),
          resultFrame_(resultFrame),
          copyOption_(copyOption),
          clipboard_(clipboard),
          resultPrefix_(std::move(resultWord) + ": ") {}

    // One throw of a die with n sides: a whole value 1 ... n for n >= 1, always 1 for n = 0,
    // n + 1 ... 1 for negative n.
    [[nodiscard]] float RollDie(const std::int16_t& n);

    // Rolls m dice of n sides into lOut and shows their total in tOut. Any m below 2 rolls
    // one die and appends its line; m >= 2 empties the list first.
    void sRollDice(const std::int16_t& m, const std::int16_t& n, ListTarget& lOut,
                   CaptionTarget& tOut);

  private:
    RandomSource& random_;
    CaptionTarget& resultFrame_;
    CheckBoxSource& copyOption_;
    ClipboardTarget& clipboard_;
    std::string resultPrefix_;
};

}  // namespace kelvane
