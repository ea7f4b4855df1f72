#include "LogText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace kelvane {
namespace {

struct TextCase {
    std::string name;
    std::vector<std::string> fields;
    std::string csv;
    std::string markdownRow;
};

class TableTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TableTextTest, QuotesAndEscapes) {
    const TextCase& c = GetParam();
    std::ostringstream csv;
    CsvWriter(csv).WriteRow(c.fields);
    EXPECT_EQ(csv.str(), c.csv);

    std::ostringstream markdown;
    MarkdownWriter writer(markdown);
    writer.WriteRow(std::vector<std::string>(c.fields.size(), "h"));
    writer.WriteRow(c.fields);
    const std::string text = markdown.str();
    EXPECT_EQ(text.substr(text.find('\n', text.find('\n') + 1) + 1), c.markdownRow);
}

INSTANTIATE_TEST_SUITE_P(
    LogText, TableTextTest,
    testing::Values(
        TextCase{"plain",
                 {"d20+5", "Longsword", "22"},
                 "d20+5,Longsword,22\r\n",
                 "| d20+5 | Longsword | 22 |\n"},
        TextCase{
            "comma", {"Hit, then run", "3"}, "\"Hit, then run\",3\r\n", "| Hit, then run | 3 |\n"},
        TextCase{
            "quotes", {"The \"big\" one"}, "\"The \"\"big\"\" one\"\r\n", "| The \"big\" one |\n"},
        TextCase{"line_breaks",
                 {"one\r\ntwo", "a\nb"},
                 "\"one\r\ntwo\",\"a\nb\"\r\n",
                 "| one<br>two | a<br>b |\n"},
        TextCase{"pipes", {"a|b", "c\\|d"}, "a|b,c\\|d\r\n", "| a\\|b | c\\\\\\|d |\n"},
        TextCase{
            "utf8_and_empty", {"Zauberstab ✨", ""}, "Zauberstab ✨,\r\n", "| Zauberstab ✨ |  |\n"}),
    [](const auto& info) { return info.param.name; });

TEST(LogText, MarkdownHeaderHasItsRule) {
    std::ostringstream out;
    MarkdownWriter(out).WriteRow(std::vector<std::string>{"Time", "Total"});
    EXPECT_EQ(out.str(), "| Time | Total |\n| --- | --- |\n");
}

struct CutCase {
    std::string name;
    std::string dice;
    std::size_t limit;
    std::string cut;
};

class CutDiceTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutDiceTest, CutsAfterTheLimit) {
    EXPECT_EQ(CutDiceText(GetParam().dice, GetParam().limit), GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(
    LogText, CutDiceTest,
    testing::Values(CutCase{"under", "[4, 5, 4, 1d]+2", 4, "[4, 5, 4, 1d]+2"},
                    CutCase{"over", "[4, 5, 4, 1d]+2", 2, "[4, 5, …] (4 dice)"},
                    CutCase{"across_terms", "[6!, 2]+[3, 1]*2", 3, "[6!, 2]+[3, …] (4 dice)"},
                    CutCase{"negative_values", "[-1, 0, 1]", 1, "[-1, …] (3 dice)"},
                    CutCase{"empty_term", "[]+[3, 4]+[]", 1, "[]+[3, …] (2 dice)"},
                    // A long term, then an empty one.
                    CutCase{"empty_term_across_240", "[" + std::string(234, '1') + "]+2+[]+[2, 3]",
                            2, "[" + std::string(234, '1') + "]+2+[]+[2, …] (3 dice)"}),
    [](const auto& info) { return info.param.name; });

TEST(LogText, CutsTenThousandAndFirstDie) {
    std::string dice = "[";
    for (int i = 0; i < 10'001; ++i) {
        dice += i == 0 ? "6" : ", 6";
    }
    dice += "]";
    const std::string cut = CutDiceText(dice);
    EXPECT_EQ(cut.size(), 1 + 10'000 * 3 - 2 + std::string(", …] (10001 dice)").size());
    EXPECT_TRUE(cut.ends_with(", 6, …] (10001 dice)"));
}

}  // namespace
}  // namespace kelvane
