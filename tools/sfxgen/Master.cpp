#include "Master.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvex::sfx {

void removeDc(Signal& signal) {
  const double pole = std::exp(-2.0 * std::numbers::pi * 20.0 / kSampleRate);
  double lastIn = 0.0, lastOut = 0.0;
  for (double& sample : signal) {
    const double out = sample - lastIn + pole * lastOut;
    lastIn = sample;
    lastOut = out;
    sample = out;
  }
}

void fadeEdges(Signal& signal, double fadeIn, double fadeOut) {
  const std::size_t inLength = std::min(samplesFor(fadeIn), signal.size());
  const std::size_t outLength = std::min(samplesFor(fadeOut), signal.size());
  auto ramp = [](std::size_t i, std::size_t length) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(length));
  };
  for (std::size_t i = 0; i < inLength; ++i) signal[i] *= ramp(i, inLength);
  for (std::size_t i = 0; i < outLength; ++i) signal[signal.size() - 1 - i] *= ramp(i, outLength);
}

void trimSilence(Signal& signal, double fraction) {
  double peak = 0.0;
  for (double sample : signal) peak = std::max(peak, std::abs(sample));
  const auto loud = [limit = peak * fraction](double sample) { return std::abs(sample) > limit; };
  const auto last = std::find_if(signal.rbegin(), signal.rend(), loud).base();
  signal.erase(last, signal.end());
  signal.erase(signal.begin(), std::find_if(signal.begin(), signal.end(), loud));
}

void normalise(Signal& signal, double peakDb) {
  double peak = 0.0;
  for (double sample : signal) peak = std::max(peak, std::abs(sample));
  if (peak == 0.0) return;
  const double gain = std::pow(10.0, peakDb / 20.0) / peak;
  for (double& sample : signal) sample *= gain;
}

std::vector<std::int16_t> toPcm16(const Signal& signal) {
  std::vector<std::int16_t> pcm(signal.size());
  std::transform(signal.begin(), signal.end(), pcm.begin(), [](double sample) {
    return static_cast<std::int16_t>(std::clamp(std::lround(sample * 32767.0), -32767L, 32767L));
  });
  return pcm;
}

}  // namespace tolvex::sfx
