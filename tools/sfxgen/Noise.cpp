#include "Noise.h"

#include <cmath>

namespace tolvex::sfx {

std::uint64_t Rng::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

Signal whiteNoise(double seconds, std::uint64_t seed) {
  Rng rng(seed);
  Signal out(samplesFor(seconds));
  for (double& sample : out) sample = rng.bipolar();
  return out;
}

Signal brownNoise(double seconds, std::uint64_t seed) {
  Rng rng(seed);
  Signal out(samplesFor(seconds));
  double level = 0.0;
  for (double& sample : out) {
    level = 0.996 * level + 0.06 * rng.bipolar();
    sample = level;
  }
  return out;
}

Signal crackle(double seconds, std::uint64_t seed, const Curve& density) {
  Rng rng(seed);
  Signal out(samplesFor(seconds));
  double click = 0.0;  // loudness of the last click, dying away within a millisecond
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (rng.uniform() < density(timeOf(i)) / kSampleRate) click = 0.3 + 0.7 * rng.uniform();
    out[i] = click * rng.bipolar();
    click *= 0.97;
  }
  return out;
}

}  // namespace tolvex::sfx
