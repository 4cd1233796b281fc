#include "Signal.h"

#include <algorithm>
#include <cmath>

namespace tolvex::sfx {

std::size_t samplesFor(double seconds) {
  return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kSampleRate));
}

void mixInto(Signal& target, const Signal& source, double gain, double atSeconds) {
  const std::size_t offset = samplesFor(atSeconds);
  if (target.size() < offset + source.size()) target.resize(offset + source.size(), 0.0);
  for (std::size_t i = 0; i < source.size(); ++i) target[offset + i] += gain * source[i];
}

void applyGain(Signal& signal, const Curve& gain) {
  for (std::size_t i = 0; i < signal.size(); ++i) signal[i] *= gain(timeOf(i));
}

Signal multiply(const Signal& a, const Signal& b) {
  Signal product(std::min(a.size(), b.size()));
  for (std::size_t i = 0; i < product.size(); ++i) product[i] = a[i] * b[i];
  return product;
}

}  // namespace tolvex::sfx
