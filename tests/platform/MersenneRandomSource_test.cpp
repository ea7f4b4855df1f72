#include "platform/MersenneRandomSource.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace kelvane {
namespace {

std::vector<float> Draws(RandomSource& source, int count) {
    std::vector<float> draws;
    draws.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        draws.push_back(source.Next());
    }
    return draws;
}

TEST(MersenneRandomSource, EveryFreshSourceStartsFromTheSameState) {
    MersenneRandomSource first;
    MersenneRandomSource second;
    EXPECT_EQ(Draws(first, 1000), Draws(second, 1000));
}

// The standard's check value: the 10000th output of a default std::mt19937 is 4123659995,
// whose top 24 bits are 16108046.
TEST(MersenneRandomSource, StartsFromTheStandardFixedState) {
    MersenneRandomSource source;
    EXPECT_EQ(Draws(source, 10000).back(), 16108046.0F / 16777216.0F);
}

struct OutputCase {
    const char* name;
    std::uint32_t output;
    float draw;
};

void PrintTo(const OutputCase& output, std::ostream* out) { *out << output.name; }

class DrawFromOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(DrawFromOutput, KeepsTheTop24BitsAsAFraction) {
    EXPECT_EQ(MersenneRandomSource::DrawFromOutput(GetParam().output), GetParam().draw);
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, DrawFromOutput,
    ::testing::Values(OutputCase{"Smallest", 0U, 0.0F}, OutputCase{"LowBitsDropped", 0xFFU, 0.0F},
                      OutputCase{"LowestKeptBit", 0x100U, 1.0F / 16777216.0F},
                      OutputCase{"Half", 0x80000000U, 0.5F},
                      OutputCase{"Largest", 0xFFFFFFFFU, 1.0F - 1.0F / 16777216.0F}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MersenneRandomSource, ReseedChangesTheSequence) {
    MersenneRandomSource fresh;
    MersenneRandomSource reseeded;
    reseeded.Reseed();
    EXPECT_NE(Draws(fresh, 1000), Draws(reseeded, 1000));
}

TEST(MersenneRandomSource, DrawsLieInTheHalfOpenUnitInterval) {
    MersenneRandomSource source;
    for (const float draw : Draws(source, 100000)) {
        ASSERT_GE(draw, 0.0F);
        ASSERT_LT(draw, 1.0F);
    }
}

}  // namespace
}  // namespace kelvane
