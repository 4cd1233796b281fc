#include "Filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Curves.h"

namespace tolvex::sfx {

Biquad::Biquad(FilterKind kind, double cutoff, double q) : kind_(kind) { tune(cutoff, q); }

void Biquad::tune(double cutoff, double q) {
  const double f = std::clamp(cutoff, 10.0, 0.45 * kSampleRate);
  const double w = 2.0 * std::numbers::pi * f / kSampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double cosw = std::cos(w);
  const double a0 = 1.0 + alpha;
  switch (kind_) {
    case FilterKind::LowPass:
      b0_ = b2_ = (1.0 - cosw) / 2.0 / a0;
      b1_ = (1.0 - cosw) / a0;
      break;
    case FilterKind::HighPass:
      b0_ = b2_ = (1.0 + cosw) / 2.0 / a0;
      b1_ = -(1.0 + cosw) / a0;
      break;
    case FilterKind::BandPass:
      b0_ = alpha / a0;
      b1_ = 0.0;
      b2_ = -alpha / a0;
      break;
  }
  a1_ = -2.0 * cosw / a0;
  a2_ = (1.0 - alpha) / a0;
}

double Biquad::process(double x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return y;
}

Signal filtered(const Signal& input, FilterKind kind, const Curve& cutoff, double q) {
  constexpr std::size_t kRetuneEvery = 16;  // samples between coefficient updates of a sweep
  Biquad section(kind, cutoff(0.0), q);
  Signal out(input.size());
  for (std::size_t i = 0; i < input.size(); ++i) {
    if (i % kRetuneEvery == 0) section.tune(cutoff(timeOf(i)), q);
    out[i] = section.process(input[i]);
  }
  return out;
}

Signal filtered(const Signal& input, FilterKind kind, double cutoff, double q) {
  return filtered(input, kind, constant(cutoff), q);
}

}  // namespace tolvex::sfx
