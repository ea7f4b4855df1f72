#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "engine/Notation.h"
#include "engine/RollRecord.h"
#include "platform/CaptionTarget.h"
#include "platform/CheckBoxSource.h"
#include "platform/ClipboardTarget.h"
#include "platform/ListTarget.h"
#include "platform/RandomSource.h"

namespace kelvane {

// The words a list line puts after a die's value, in the player's language.
struct MarkWords {
    std::string dropped = "dropped";
    std::string exploded = "exploded";
    std::string rerolled = "rerolled";
    std::string success = "success";
    std::string failure = "failure";
};

// An outcome's words after the total in the list and on the clipboard, such as "Partial", in
// the player's language.
using OutcomeWording = std::function<std::string(const notation::RolledOutcome&)>;

// The result frame's caption for a roll's name, such as "Result: 3d6".
using CaptionFormat = std::function<std::string(std::string_view rollName)>;

// Throws dice and writes a roll's outputs: one list line per die, the result frame's caption,
// the total and, when the clipboard option is ticked, the values as clipboard text.
//
// The window hands over the caption's form in the player's language, while the roll's name
// stays the same in every language.
class DiceEngine {
  public:
    DiceEngine(RandomSource& random, CaptionTarget& resultFrame, CheckBoxSource& copyOption,
               ClipboardTarget& clipboard, CaptionFormat captionOf = ResultCaption)
        : random_(random),
          resultFrame_(resultFrame),
          copyOption_(copyOption),
          clipboard_(clipboard),
          captionOf_(std::move(captionOf)) {}

    [[nodiscard]] static std::string ResultCaption(std::string_view rollName) {
        return "Result: " + std::string(rollName);
    }

    // One throw of a die with n sides: a whole value 1 ... n for n >= 1, always 1 for n = 0,
    // n + 1 ... 1 for negative n.
    [[nodiscard]] float RollDie(const std::int16_t& n);

    // Rolls m dice of n sides into lOut and shows their total in tOut. Any m below 2 rolls
    // one die and appends its line; m >= 2 empties the list first. Returns the roll's record.
    RollRecord sRollDice(const std::int16_t& m, const std::int16_t& n, ListTarget& lOut,
                         CaptionTarget& tOut);

    // Rolls dice notation, such as 4d6dl1+2, into list and total as the die buttons write their
    // rolls: a line for each die with its marks, then a line naming the roll and its total; the
    // list is emptied first when more than one die is thrown. The clipboard receives one line
    // in the form chat dice bots use, such as "4d6dl1+2: [4, 5, 4, 1d]+2 = 15". A notation
    // that cannot be rolled changes nothing and comes back as the error.
    std::variant<RollRecord, notation::Error> RollNotation(std::string_view text, ListTarget& list,
                                                           CaptionTarget& total);
    void SetMarkWords(MarkWords words) { markWords_ = std::move(words); }
    void SetOutcomeWording(OutcomeWording wording) { outcomeWording_ = std::move(wording); }

  private:
    RandomSource& random_;
    CaptionTarget& resultFrame_;
    CheckBoxSource& copyOption_;
    ClipboardTarget& clipboard_;
    CaptionFormat captionOf_;
    MarkWords markWords_;
    OutcomeWording outcomeWording_ = notation::OutcomeText;
};

}  // namespace kelvane
