#pragma once

#include "platform/Interface.h"

namespace kelvane {

// A uniform random source of single-precision numbers in [0, 1).
class RandomSource : Interface {
  public:
    virtual ~RandomSource() = default;

    // The next number r, 0 <= r < 1.
    [[nodiscard]] virtual float Next() = 0;
    // Takes a new state from the clock.
    virtual void Reseed() = 0;
};

}  // namespace kelvane
