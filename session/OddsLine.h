#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

#include "engine/Distribution.h"

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

  private:
    // A share such as "42.13 %", "< 0.01 %", or "≈ 42.13 %" where the odds are approximate.
    [[nodiscard]] static QString Share(double chance, bool exact);
};

}  // namespace kelvane
