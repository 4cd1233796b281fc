// Seeded noise sources: hiss, rumble and the sparse crackle of burning debris.
#pragma once

#include <cstdint>

#include "Signal.h"

namespace tolvex::sfx {

// A small seeded random generator (splitmix64), identical on every build and machine.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  // The next 64 random bits.
  std::uint64_t next();
  // A uniform number in [0, 1).
  double uniform();
  // A uniform number in [-1, 1).
  double bipolar() { return 2.0 * uniform() - 1.0; }

 private:
  std::uint64_t state_;
};

// White noise in [-1, 1).
Signal whiteNoise(double seconds, std::uint64_t seed);

// Brown (integrated, leaky) noise, scaled to about [-1, 1]: the stuff of rumbles.
Signal brownNoise(double seconds, std::uint64_t seed);

// Random short clicks; `density` gives the expected clicks per second over time.
Signal crackle(double seconds, std::uint64_t seed, const Curve& density);

}  // namespace tolvex::sfx
