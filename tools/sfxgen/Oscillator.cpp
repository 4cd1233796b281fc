#include "Oscillator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvex::sfx {
namespace {

// Removes the step of a naive wave at phase 0 spread over one sample (polyBLEP residual).
double polyBlep(double phase, double step) {
  if (phase < step) {
    const double x = phase / step;
    return x + x - x * x - 1.0;
  }
  if (phase > 1.0 - step) {
    const double x = (phase - 1.0) / step;
    return x * x + x + x + 1.0;
  }
  return 0.0;
}

double waveAt(Wave wave, double phase, double step) {
  switch (wave) {
    case Wave::Sine:
      return std::sin(2.0 * std::numbers::pi * phase);
    case Wave::Triangle:
      return 1.0 - 4.0 * std::abs(std::fmod(phase + 0.25, 1.0) - 0.5);
    case Wave::Saw:
      return 2.0 * phase - 1.0 - polyBlep(phase, step);
    case Wave::Square:
      return (phase < 0.5 ? 1.0 : -1.0) + polyBlep(phase, step) - polyBlep(std::fmod(phase + 0.5, 1.0), step);
  }
  return 0.0;
}

Signal render(Wave wave, const Curve& frequency, std::size_t samples, double startPhase, double pitchScale) {
  Signal out(samples);
  double phase = startPhase - std::floor(startPhase);
  for (std::size_t i = 0; i < samples; ++i) {
    const double step = std::min(0.5, pitchScale * frequency(timeOf(i)) / kSampleRate);
    out[i] = waveAt(wave, phase, step);
    phase += step;
    phase -= std::floor(phase);
  }
  return out;
}

}  // namespace

Signal tone(Wave wave, const Curve& frequency, double seconds, double startPhase) {
  return render(wave, frequency, samplesFor(seconds), startPhase, 1.0);
}

Signal fmTone(const Curve& carrier, double ratio, const Curve& index, double seconds) {
  Signal out(samplesFor(seconds));
  double carrierPhase = 0.0, modulatorPhase = 0.0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = timeOf(i);
    const double modulator = std::sin(2.0 * std::numbers::pi * modulatorPhase);
    out[i] = std::sin(2.0 * std::numbers::pi * carrierPhase + index(t) * modulator);
    const double step = carrier(t) / kSampleRate;
    carrierPhase = std::fmod(carrierPhase + step, 1.0);
    modulatorPhase = std::fmod(modulatorPhase + ratio * step, 1.0);
  }
  return out;
}

Signal loopTone(Wave wave, const Curve& frequency, std::size_t samples) {
  double cycles = 0.0;
  for (std::size_t i = 0; i < samples; ++i) cycles += frequency(timeOf(i)) / kSampleRate;
  const double whole = std::max(1.0, std::round(cycles));
  return render(wave, frequency, samples, 0.0, whole / cycles);
}

double loopFrequency(double frequency, std::size_t samples) {
  const double unit = static_cast<double>(kSampleRate) / static_cast<double>(samples);
  return std::max(1.0, std::round(frequency / unit)) * unit;
}

}  // namespace tolvex::sfx
