#pragma once

#include <memory>

#include "platform/RollLog.h"
#include "platform/storage/SqliteDatabase.h"

namespace kelvane {

// The roll log in Kelvane's database, in the table roll_log (see Schema.cpp).
class SqliteRollLog final : public RollLog {
  public:
    explicit SqliteRollLog(SqliteDatabase& database);
    ~SqliteRollLog() override;
    SqliteRollLog(const SqliteRollLog&) = delete;
    SqliteRollLog& operator=(const SqliteRollLog&) = delete;

    std::int64_t Add(const LoggedRoll& roll) override;
    void SetStanding(std::int64_t id, double standing, double spread, bool approximate) override;
    void SetShareState(std::int64_t id, ShareState state, const std::string& refusal) override;
    [[nodiscard]] std::vector<LoggedRoll> Page(const RollLogFilter& filter,
                                               std::optional<std::int64_t> before,
                                               std::size_t limit) override;
    [[nodiscard]] RollLogSums Sums(const RollLogFilter& filter) override;
    [[nodiscard]] std::function<RollLogSums()> SumsElsewhere(const RollLogFilter& filter) override;
    void ForEach(const RollLogFilter& filter,
                 const std::function<void(const LoggedRoll&)>& visit) override;
    [[nodiscard]] std::vector<std::string> Characters() override;
    void Remove(std::span<const std::int64_t> ids) override;
    void Clear() override;
    [[nodiscard]] std::function<void()> ClearElsewhere() override;
    [[nodiscard]] std::string WindowPlace() override;
    void SetWindowPlace(const std::string& place) override;

  private:
    SqliteDatabase& database_;
    std::unique_ptr<SqliteStatement> insert_;
    std::unique_ptr<SqliteStatement> insertDiceApart_;
    std::unique_ptr<SqliteStatement> setStanding_;
    std::unique_ptr<SqliteStatement> setShareState_;
};

}  // namespace kelvane
