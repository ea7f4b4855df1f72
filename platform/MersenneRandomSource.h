#pragma once

#include <cstdint>
#include <random>

#include "platform/RandomSource.h"

namespace kelvane {

// The standard Mersenne Twister, default-constructed, so that every start of the program
// begins from the same fixed state until the user reseeds it.
class MersenneRandomSource final : public RandomSource {
  public:
    MersenneRandomSource() = default;
    ~MersenneRandomSource() override = default;

    // The top 24 bits of the next output, scaled into [0, 1): every value is exact in a float
    // and 1 itself is never reached.
    [[nodiscard]] float Next() override;
    // The draw one 32-bit output of the generator gives.
    [[nodiscard]] static float DrawFromOutput(std::uint32_t output) noexcept;
    void Reseed() override;

  private:
    std::mt19937 generator_;
};

// The one generator the whole process draws from.
[[nodiscard]] RandomSource& ProcessRandomSource();

}  // namespace kelvane
