#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/Distribution.h"
#include "engine/Notation.h"
#include "engine/odds/Outcomes.h"

namespace kelvane {

// The sentences written from a roll's odds, in the player's language and number format. They
// are the main window's texts, and are translated with them.
class OddsLine {
    Q_DECLARE_TR_FUNCTIONS(kelvane::formKelvane)

  public:
    // The odds line for a rolled total, such as "15 or more: 42.13 %  ·  15 or less: 65.33 %
    // ·  average 12.24  ·  3 to 18"; a roll whose dice explode reads "3 and up" instead of a
    // range.
    [[nodiscard]] static QString Text(const Distribution& odds, std::int64_t total);
    // Its first part, the share of rolls that reach the total: "15 or more: 42.13 %".
    [[nodiscard]] static QString Standing(const Distribution& odds, std::int64_t total);

    // An outcome the roll can have, in the player's words, with its place among the reading's.
    struct ShownOutcome {
        std::size_t index;
        QString name;
        double chance;
    };
    // The outcomes the roll can have, in the reading's order, as the line and the chart show them.
    [[nodiscard]] static std::vector<ShownOutcome> Shown(const notation::Reading& reading,
                                                         const OutcomeChances& outcomes);
    // The chance of each of those, such as "Strong hit: 27.78 %  ·  Weak hit: 44.44 %  ·  Miss:
    // 27.78 %".
    [[nodiscard]] static QString Outcomes(const notation::Reading& reading,
                                          const OutcomeChances& outcomes);
    // The rolled outcome's chance as a message gives it after the outcome: "(45.37 %)".
    [[nodiscard]] static QString OutcomeChance(const OutcomeChances& outcomes, std::size_t index);

  private:
    // A share such as "42.13 %", "< 0.01 %", or "≈ 42.13 %" where the odds are approximate.
    [[nodiscard]] static QString Share(double chance, bool exact);
};

}  // namespace kelvane
