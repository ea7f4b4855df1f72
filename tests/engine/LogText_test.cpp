#include "engine/LogText.h"

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

}  // namespace
}  // namespace kelvane
