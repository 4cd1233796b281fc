// The state-variable filter (trapezoidal, after Zavalishin): low, band and high pass from one
// section whose cutoff may move every few samples without zipper noise or blowing up.
#pragma once

namespace tolvex::music {

class Svf {
 public:
  // The three outputs of one step.
  struct Out {
    float low, band, high;
  };

  Svf(double cutoffHz = 1000.0, double q = 0.707) { tune(cutoffHz, q); }
  // Sets the cutoff (held below Nyquist) and resonance; the memory stays.
  void tune(double cutoffHz, double q);
  Out step(float x);
  float low(float x) { return step(x).low; }
  float band(float x) { return step(x).band; }
  float high(float x) { return step(x).high; }

 private:
  double k_ = 1.0, a1_ = 0, a2_ = 0, a3_ = 0;
  double ic1_ = 0, ic2_ = 0;
};

}  // namespace tolvex::music
