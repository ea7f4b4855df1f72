#include "platform/MersenneRandomSource.h"

#include <chrono>
#include <cstdint>

namespace kelvane {

namespace {
constexpr int kDroppedBits = 8;
constexpr float kScale = 1.0F / 16777216.0F;  // 2^-24
}  // namespace

float MersenneRandomSource::Next() { return DrawFromOutput(generator_()); }

float MersenneRandomSource::DrawFromOutput(std::uint32_t output) noexcept {
    return static_cast<float>(output >> kDroppedBits) * kScale;
}

void MersenneRandomSource::Reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto bits = static_cast<std::uint64_t>(ticks);
    std::seed_seq seed{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32U)};
    generator_.seed(seed);
}

RandomSource& ProcessRandomSource() {
    static MersenneRandomSource source;
    return source;
}

}  // namespace kelvane
