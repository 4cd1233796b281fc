#include "musicgen/Oscillators.h"

#include <cmath>
#include <numbers>

#include "musicgen/Mix.h"

namespace tolvex::music {

namespace {

// The polyBLEP correction that rounds off a jump at phase 0 over one sample on either side.
double blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

}  // namespace

double noteFrequency(double midiNote) { return 440.0 * std::exp2((midiNote - 69.0) / 12.0); }

double Oscillator::advance(double hz, double& step) {
  step = hz / kSampleRate;
  const double t = phase_;
  phase_ += step;
  if (phase_ >= 1.0) phase_ -= 1.0;
  return t;
}

float Oscillator::saw(double hz) {
  double dt = 0;
  const double t = advance(hz, dt);
  return static_cast<float>(2.0 * t - 1.0 - blep(t, dt));
}

float Oscillator::square(double hz) {
  double dt = 0;
  const double t = advance(hz, dt);
  double half = t + 0.5;
  if (half >= 1.0) half -= 1.0;
  return static_cast<float>((t < 0.5 ? 1.0 : -1.0) + blep(t, dt) - blep(half, dt));
}

float Oscillator::sine(double hz) {
  double dt = 0;
  const double t = advance(hz, dt);
  return static_cast<float>(std::sin(2.0 * std::numbers::pi * t));
}

Pan panOf(float position) {
  const double angle = (position + 1.0) * std::numbers::pi / 4.0;
  return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

}  // namespace tolvex::music
