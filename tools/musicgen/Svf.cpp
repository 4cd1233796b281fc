#include "musicgen/Svf.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "musicgen/Mix.h"

namespace tolvex::music {

void Svf::tune(double cutoffHz, double q) {
  const double cutoff = std::clamp(cutoffHz, 10.0, kSampleRate * 0.45);
  const double g = std::tan(std::numbers::pi * cutoff / kSampleRate);
  k_ = 1.0 / std::max(q, 0.1);
  a1_ = 1.0 / (1.0 + g * (g + k_));
  a2_ = g * a1_;
  a3_ = g * a2_;
}

Svf::Out Svf::step(float x) {
  const double v3 = x - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(x - k_ * v1 - v2)};
}

}  // namespace tolvex::music
