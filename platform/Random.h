#pragma once
// The game's dice: uniform fractions, as its roll formulas expect.

#include <memory>

namespace platform {

class Random {
  public:
    virtual ~Random() = default;
    // Uniform single-precision value in [0, 1).
    virtual float next() = 0;
};
float randomFraction();

// The real generator, seeded from the time of day.
std::unique_ptr<Random> makeRealRandom();

} // namespace platform
