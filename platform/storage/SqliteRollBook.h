#pragma once

#include "platform/RollBook.h"
#include "platform/storage/SqliteDatabase.h"

namespace kelvane {

// The roll book in Kelvane's database (see Schema.cpp for its tables).
class SqliteRollBook final : public RollBook {
  public:
    explicit SqliteRollBook(SqliteDatabase& database) : database_(database) {}
    ~SqliteRollBook() override = default;

    [[nodiscard]] std::vector<BookCharacter> Characters() override;
    std::optional<std::int64_t> AddCharacter(std::string_view name) override;
    bool RenameCharacter(std::int64_t character, std::string_view name) override;
    void DeleteCharacter(std::int64_t character) override;

    [[nodiscard]] std::vector<SavedRoll> Rolls(std::int64_t character) override;
    SavedRoll AddRoll(std::int64_t character, std::string_view name,
                      std::string_view notation) override;
    SavedRoll RestoreRoll(std::int64_t character, std::size_t index, std::string_view name,
                          std::string_view notation) override;
    void RenameRoll(std::int64_t roll, std::string_view name) override;
    bool MoveRoll(std::int64_t roll, bool towards_top) override;
    void RemoveRoll(std::int64_t roll) override;

    [[nodiscard]] std::vector<std::string> History() override;
    void AddToHistory(std::string_view notation) override;

    [[nodiscard]] std::optional<std::int64_t> LastCharacter() override;
    void SetLastCharacter(std::int64_t character) override;

    [[nodiscard]] std::vector<CharacterRolls> Export() override;
    ImportCounts Import(const std::vector<CharacterRolls>& characters) override;

  private:
    SqliteDatabase& database_;
};

}  // namespace kelvane
