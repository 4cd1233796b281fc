// Resonant filters: the brightness of zaps, the body of rumbles, the sweep of a whoosh.
#pragma once

#include "Signal.h"

namespace tolvex::sfx {

// The response of a filter section.
enum class FilterKind { LowPass, HighPass, BandPass };

// One second-order filter section (the audio-cookbook biquad) with its own memory.
class Biquad {
 public:
  Biquad(FilterKind kind, double cutoff, double q);
  // Moves the cutoff (and resonance) without clearing the memory, for sweeps.
  void tune(double cutoff, double q);
  // Filters one sample.
  double process(double x);

 private:
  FilterKind kind_;
  double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Runs a signal through a filter whose cutoff in Hz follows a curve.
Signal filtered(const Signal& input, FilterKind kind, const Curve& cutoff, double q = 0.707);

// The same with a fixed cutoff.
Signal filtered(const Signal& input, FilterKind kind, double cutoff, double q = 0.707);

}  // namespace tolvex::sfx
