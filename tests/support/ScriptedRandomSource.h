#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/RandomSource.h"

namespace kelvane::testing {

// Hands out a fixed script of draws, over and over, so that the values a roll shows are known.
class ScriptedRandomSource final : public RandomSource {
  public:
    explicit ScriptedRandomSource(std::vector<float> draws) : draws_(std::move(draws)) {}
    ~ScriptedRandomSource() override = default;

    [[nodiscard]] float Next() override {
        const float draw = draws_[next_];
        next_ = (next_ + 1) % draws_.size();
        return draw;
    }
    void Reseed() override { ++reseeds_; }

    [[nodiscard]] int Reseeds() const noexcept { return reseeds_; }

  private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
    int reseeds_ = 0;
};

}  // namespace kelvane::testing
