#include "MersenneRandomSource.h"

#include <gtest/gtest.h>

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
