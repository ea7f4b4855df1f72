#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/NotationRoll.h"

namespace kelvane {

// The game systems' outcomes in the player's language. A system's outcome is known by its id,
// so that a roll kept in the log shows in the language of the day; the player's own bands have
// no id and keep the name as typed.
class OutcomeNames {
    Q_DECLARE_TR_FUNCTIONS(kelvane::OutcomeNames)

  public:
    // "Partial", or the band's own name where the id is not a system's.
    [[nodiscard]] static QString Name(std::string_view id, std::string_view name);
    // The name with any count, such as "Success, 2 hits"; countWord is the English one the
    // engine gives the count ("hit", "hits", "raise" or "raises").
    [[nodiscard]] static QString Text(std::string_view id, std::string_view name,
                                      std::optional<std::int64_t> count,
                                      std::string_view countWord);
    [[nodiscard]] static QString Text(const notation::RolledOutcome& outcome);
    // The game systems' outcomes whose names in the player's language hold text, in any case:
    // "partial" for "teil" in German.
    [[nodiscard]] static std::vector<std::string> IdsNaming(const QString& text);
    // As the engine's list and clipboard line want it.
    [[nodiscard]] static std::string Words(const notation::RolledOutcome& outcome);
};

}  // namespace kelvane
