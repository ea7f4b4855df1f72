#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Interface.h"

namespace kelvane {

struct BookCharacter {
    std::int64_t id = 0;
    std::string name;
};

struct SavedRoll {
    std::int64_t id = 0;
    std::string name;
    std::string notation;
};

// A character with its rolls, as a roll book file carries it.
struct CharacterRolls {
    std::string name;
    struct Roll {
        std::string name;
        std::string notation;
    };
    std::vector<Roll> rolls;
};

struct ImportCounts {
    std::size_t characters_added = 0;
    std::size_t rolls_added = 0;
    std::size_t rolls_skipped = 0;
};

// The roll book: characters, each with saved rolls in the player's order, the notation
// history, and the last character used. Every change is one transaction, committed before the
// call returns; a change that cannot be saved throws StorageError and changes nothing.
class RollBook : Interface {
  public:
    static constexpr std::size_t kHistoryCapacity = 100;

    virtual ~RollBook() = default;

    // Characters by name.
    [[nodiscard]] virtual std::vector<BookCharacter> Characters() = 0;
    // The new character's id, or nothing when a character already has that name.
    virtual std::optional<std::int64_t> AddCharacter(std::string_view name) = 0;
    // False when another character already has that name.
    virtual bool RenameCharacter(std::int64_t character, std::string_view name) = 0;
    // Removes the character with its saved rolls.
    virtual void DeleteCharacter(std::int64_t character) = 0;

    [[nodiscard]] virtual std::vector<SavedRoll> Rolls(std::int64_t character) = 0;
    // Adds the roll at the end of the character's list.
    virtual SavedRoll AddRoll(std::int64_t character, std::string_view name,
                              std::string_view notation) = 0;
    // Puts a removed roll back at its former index in the list.
    virtual SavedRoll RestoreRoll(std::int64_t character, std::size_t index, std::string_view name,
                                  std::string_view notation) = 0;
    virtual void RenameRoll(std::int64_t roll, std::string_view name) = 0;
    // Swaps the roll with the one before it (towards the top) or after it; false at an end.
    virtual bool MoveRoll(std::int64_t roll, bool towards_top) = 0;
    virtual void RemoveRoll(std::int64_t roll) = 0;

    // The last kHistoryCapacity notations rolled, newest first, each once.
    [[nodiscard]] virtual std::vector<std::string> History() = 0;
    virtual void AddToHistory(std::string_view notation) = 0;

    [[nodiscard]] virtual std::optional<std::int64_t> LastCharacter() = 0;
    virtual void SetLastCharacter(std::int64_t character) = 0;

    // The whole book, characters by name, for writing to a file.
    [[nodiscard]] virtual std::vector<CharacterRolls> Export() = 0;
    // Merges characters in one transaction: a character of the same name gets the rolls it
    // does not already hold (the same name and notation), after its own.
    virtual ImportCounts Import(const std::vector<CharacterRolls>& characters) = 0;
};

}  // namespace kelvane
