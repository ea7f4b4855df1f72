#include "engine/CountConversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "platform/RuntimeError.h"

namespace kelvane {
namespace {

struct ConversionCase {
    const char* name;
    const char* text;
    std::optional<std::int16_t> count;  // empty: the overflow error
};

// 2e308 written out with a negative exponent, and 1e-326 written out with none: the
// exponent's sign alone does not tell whether a number is beyond or below the double range.
const std::string kBeyondDoubleNegativeExponent = "2" + std::string(308, '0') + "e-0";
const std::string kBelowDoubleNoExponent = "0." + std::string(325, '0') + "1";

void PrintTo(const ConversionCase& conversion, std::ostream* out) { *out << conversion.name; }

class ConvertCountTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConvertCountTest, ReadsTheLeadingNumber) {
    const ConversionCase& c = GetParam();
    if (c.count) {
        EXPECT_EQ(ConvertCount(c.text), *c.count);
    } else {
        try {
            static_cast<void>(ConvertCount(c.text));
            ADD_FAILURE() << "no overflow for \"" << c.text << "\"";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), errors::kOverflow);
            EXPECT_EQ(error.Description(), "Overflow");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    BoxTexts, ConvertCountTest,
    ::testing::Values(
        ConversionCase{"Empty", "", 0}, ConversionCase{"TrailingLetters", "12ab", 12},
        ConversionCase{"Letters", "abc", 0}, ConversionCase{"CommaEndsTheNumber", "1,5", 1},
        ConversionCase{"Negative", "-3", -3}, ConversionCase{"PlusSign", "+8", 8},
        ConversionCase{"FractionRoundsUp", "2.75", 3}, ConversionCase{"HalfAwayFromZero", "2.5", 3},
        ConversionCase{"NegativeHalfAwayFromZero", "-2.5", -3},
        ConversionCase{"FractionRoundsDown", "1.49", 1}, ConversionCase{"LeadingPeriod", ".6", 1},
        ConversionCase{"TrailingPeriod", "5.", 5}, ConversionCase{"PeriodAlone", ".", 0},
        ConversionCase{"SignAlone", "-", 0}, ConversionCase{"LargestPlain", "9999", 9999},
        ConversionCase{"LeadingBlank", " 7", 7}, ConversionCase{"LeadingTab", "\t7", 7},
        ConversionCase{"SeveralLeadingBlanks", " \t 7", 7},
        ConversionCase{"BlankInsideEnds", "1 2", 1}, ConversionCase{"Exponent", "1e4", 10000},
        ConversionCase{"UpperExponent", "32E3", 32000},
        ConversionCase{"ExponentWithoutDigits", "3e", 3},
        ConversionCase{"NegativeExponent", "5e-1", 1},
        ConversionCase{"InfinityIsNoNumber", "inf", 0}, ConversionCase{"NanIsNoNumber", "nan", 0},
        ConversionCase{"HighestCount", "32767", 32767},
        ConversionCase{"RoundsIntoRange", "32767.4", 32767},
        ConversionCase{"LowestCount", "-32768", -32768},
        ConversionCase{"RoundsOutOfRange", "32767.5", std::nullopt},
        ConversionCase{"JustBelowRange", "-32769", std::nullopt},
        ConversionCase{"HugeExponent", "9e9", std::nullopt},
        ConversionCase{"NegativeExponentOverflow", "-4e4", std::nullopt},
        ConversionCase{"BeyondDouble", "1e999", std::nullopt},
        ConversionCase{"BelowDouble", "1e-999", 0},
        ConversionCase{"BeyondDoubleDespiteNegativeExponent", kBeyondDoubleNegativeExponent.c_str(),
                       std::nullopt},
        ConversionCase{"BelowDoubleWithoutExponent", kBelowDoubleNoExponent.c_str(), 0},
        ConversionCase{"NegativeBelowDouble", "-1e-999", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kelvane
