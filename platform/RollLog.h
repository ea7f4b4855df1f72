#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kelvane {

// Whether a roll reached the table's channel. Rolls made while sharing was off stay kNotShared;
// a roll waits from the moment it is queued until Discord takes it or refuses it.
enum class ShareState : std::int8_t { kNotShared = 0, kWaiting = 1, kShared = 2, kRefused = 3 };

// What a roll meant in its game system or its bands, as the log keeps it: a system's outcome by
// its id, so that the window shows it in the language of the day.
struct LoggedOutcome {
    std::string id;                     // such as "partial"; empty for the player's own bands
    std::string name;                   // the band's name as typed; empty for a system's outcome
    std::optional<std::int64_t> count;  // hits or raises, where the outcome counts them
    std::string countWord;              // "hit", "hits", "raise" or "raises", in English

    friend bool operator==(const LoggedOutcome&, const LoggedOutcome&) = default;
};

// One roll as the log keeps it. Times are milliseconds since 1970 in UTC.
struct LoggedRoll {
    std::int64_t id = 0;
    std::int64_t rolledAt = 0;
    std::string character;
    std::string label;
    std::string notation;  // canonical form, such as 4d6dl1+2
    std::string dice;      // as on the clipboard line, such as [4, 5, 4, 1d]+2
    std::int64_t total = 0;
    std::optional<LoggedOutcome> outcome;
    std::optional<double> standing;
    double spread = 0.0;  // the standing's variance under fair dice
    bool approximate = false;
    ShareState share = ShareState::kNotShared;
    std::string shareRefusal;  // Discord's reason, when it refused the roll
};

// Which rows a view of the log shows: all of them where a field is left empty.
struct RollLogFilter {
    std::optional<std::string> character;
    std::optional<std::int64_t> since;  // rolled at or after this time
    // In the label, the notation or a band's name, in any case.
    std::string search;
    // The game systems' outcomes that a search finds too, those whose names hold it.
    std::vector<std::string> outcomeIds{};
};

// The sums the luck of the rows in a filter is read from.
struct RollLogSums {
    std::int64_t withStanding = 0;
    std::int64_t withoutStanding = 0;
    double standings = 0.0;
    double spreads = 0.0;
    std::array<std::int64_t, 10> tenths{};  // standings by tenth, bottom first
};

// Every roll kept across sessions, newest first. Each change is one committed transaction, so a
// roll written is kept even if the program is killed right after. Calls throw on a log that
// cannot be written or read.
class RollLog {
  public:
    virtual ~RollLog() = default;

    // Keeps a roll, its standing left for SetStanding; returns its id, one never given before.
    virtual std::int64_t Add(const LoggedRoll& roll) = 0;
    virtual void SetStanding(std::int64_t id, double standing, double spread, bool approximate) = 0;
    // Notes how far the roll got on its way to the table; refusal is Discord's reason.
    virtual void SetShareState(std::int64_t id, ShareState state, const std::string& refusal) = 0;

    // Up to limit rows of the filter, newest first, older than the row `before` when given.
    [[nodiscard]] virtual std::vector<LoggedRoll> Page(const RollLogFilter& filter,
                                                       std::optional<std::int64_t> before,
                                                       std::size_t limit) = 0;
    [[nodiscard]] virtual RollLogSums Sums(const RollLogFilter& filter) = 0;
    // Where Sums(filter) reads many rows: the same sums as a call that another thread may make,
    // on a connection of its own. Empty where Sums(filter) is quick, or cannot be had elsewhere.
    [[nodiscard]] virtual std::function<RollLogSums()> SumsElsewhere(
        const RollLogFilter& /*filter*/) {
        return {};
    }
    // Every row of the filter, newest first, one at a time.
    virtual void ForEach(const RollLogFilter& filter,
                         const std::function<void(const LoggedRoll&)>& visit) = 0;
    // The characters that have rolls in the log, in name order.
    [[nodiscard]] virtual std::vector<std::string> Characters() = 0;

    virtual void Remove(std::span<const std::int64_t> ids) = 0;
    virtual void Clear() = 0;
    // Clear as a call that another thread may make, on a connection of its own, so that a long
    // log is emptied while the window goes on; empty where it cannot be had elsewhere.
    [[nodiscard]] virtual std::function<void()> ClearElsewhere() { return {}; }

    // The log window's size and place, as the toolkit saves them; empty before it is first kept.
    [[nodiscard]] virtual std::string WindowPlace() = 0;
    virtual void SetWindowPlace(const std::string& place) = 0;
};

}  // namespace kelvane
