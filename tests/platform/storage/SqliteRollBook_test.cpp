#include "platform/storage/SqliteRollBook.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/storage/KelvaneDatabase.h"

namespace kelvane {
namespace {

class RollBookTest : public ::testing::Test {
  protected:
    KelvaneDatabase database_{":memory:"};
    SqliteRollBook book_{database_.Connection()};
    std::int64_t player_ = book_.AddCharacter("Player").value();

    // The character's rolls as "name=notation" joined by spaces.
    std::string Listed(std::int64_t character) {
        std::string listed;
        for (const auto& roll : book_.Rolls(character)) {
            listed += (listed.empty() ? "" : " ") + roll.name + "=" + roll.notation;
        }
        return listed;
    }
    std::int64_t IdOf(const std::string& name) {
        for (const auto& roll : book_.Rolls(player_)) {
            if (roll.name == name) {
                return roll.id;
            }
        }
        return 0;
    }
};

// Edits on the list a, b, c, d (each rolls d4), with what the list must read after them.
struct Edit {
    const char* name;
    std::vector<std::string> steps;  // "up b", "down b", "remove b", "restore 2 e", "rename b x"
    std::string expected;
};

void PrintTo(const Edit& edit, std::ostream* out) { *out << edit.name; }

class EditingRolls : public RollBookTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(EditingRolls, KeepsThePlayersOrder) {
    for (const char* name : {"a", "b", "c", "d"}) {
        book_.AddRoll(player_, name, "d4");
    }
    for (const auto& step : GetParam().steps) {
        const auto verb = step.substr(0, step.find(' '));
        const auto rest = step.substr(verb.size() + 1);
        if (verb == "up" || verb == "down") {
            book_.MoveRoll(IdOf(rest), verb == "up");
        } else if (verb == "remove") {
            book_.RemoveRoll(IdOf(rest));
        } else if (verb == "restore") {
            book_.RestoreRoll(player_, std::stoul(rest), rest.substr(2), "d4");
        } else if (verb == "rename") {
            book_.RenameRoll(IdOf(rest.substr(0, 1)), rest.substr(2));
        }
    }
    EXPECT_EQ(Listed(player_), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EditingRolls,
    ::testing::Values(Edit{"up", {"up c"}, "a=d4 c=d4 b=d4 d=d4"},
                      Edit{"up_at_top", {"up a"}, "a=d4 b=d4 c=d4 d=d4"},
                      Edit{"down_twice", {"down a", "down a"}, "b=d4 c=d4 a=d4 d=d4"},
                      Edit{"down_at_bottom", {"down d"}, "a=d4 b=d4 c=d4 d=d4"},
                      Edit{"remove_then_undo", {"remove b", "restore 1 b"}, "a=d4 b=d4 c=d4 d=d4"},
                      Edit{"undo_last", {"remove d", "restore 3 d"}, "a=d4 b=d4 c=d4 d=d4"},
                      Edit{"move_after_removal", {"remove b", "up c", "up d"}, "c=d4 d=d4 a=d4"},
                      Edit{"rename", {"rename b Longsword"}, "a=d4 Longsword=d4 c=d4 d=d4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RollBookTest, DeletingACharacterTakesItsRolls) {
    const auto monster = book_.AddCharacter("Goblin").value();
    book_.AddRoll(monster, "Scimitar", "d20+4");
    book_.AddRoll(player_, "Longsword", "d20+5");
    EXPECT_FALSE(book_.RenameCharacter(monster, "Player"));
    book_.SetLastCharacter(monster);
    book_.DeleteCharacter(monster);

    EXPECT_EQ(book_.Characters().size(), 1U);
    EXPECT_EQ(database_.Connection().QueryInteger("SELECT COUNT(*) FROM saved_roll"), 1);
    EXPECT_EQ(book_.LastCharacter(), std::nullopt);
}

TEST_F(RollBookTest, ImportMergesAndSkipsHeldRows) {
    book_.AddRoll(player_, "Longsword", "d20+5");
    const auto exported = book_.Export();
    const auto counts = book_.Import(
        {{"Player", {{"Longsword", "d20+5"}, {"Longsword", "d20+6"}, {"Damage", "1d8+3"}}},
         {"Goblin", {{"Scimitar", "d20+4"}, {"Scimitar", "d20+4"}}},
         {"Empty", {}}});

    EXPECT_EQ(counts.characters_added, 2U);
    EXPECT_EQ(counts.rolls_added, 3U);
    EXPECT_EQ(counts.rolls_skipped, 2U);
    EXPECT_EQ(Listed(player_), "Longsword=d20+5 Longsword=d20+6 Damage=1d8+3");
    const auto book = book_.Export();
    ASSERT_EQ(book.size(), 3U);
    EXPECT_EQ(book[0].name, "Empty");
    EXPECT_EQ(book[1].rolls.size(), 1U);
    EXPECT_EQ(book[2].name, "Player");
    ASSERT_EQ(exported.size(), 1U);
    EXPECT_EQ(exported[0].rolls[0].notation, "d20+5");
}

TEST_F(RollBookTest, HistoryKeepsTheNewestHundredOnce) {
    for (int n = 1; n <= 120; ++n) {
        book_.AddToHistory("d" + std::to_string(n));
    }
    book_.AddToHistory("d50");
    const auto history = book_.History();
    ASSERT_EQ(history.size(), 100U);
    EXPECT_EQ(history[0], "d50");
    EXPECT_EQ(history[1], "d120");
    EXPECT_EQ(history[99], "d21");
}

}  // namespace
}  // namespace kelvane
