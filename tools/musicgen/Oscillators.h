// Tone sources: band-limited saw and square (polyBLEP) and a sine, each a running phase.
#pragma once

namespace tolvex::music {

// The frequency in Hz of a MIDI note number (69 = A4 = 440 Hz); fractions bend the pitch.
double noteFrequency(double midiNote);

// A phase that runs from 0 to 1 once per cycle.
class Oscillator {
 public:
  explicit Oscillator(double startPhase = 0.0) : phase_(startPhase) {}
  // The next sample of each shape at `hz`; call one of them once per sample.
  float saw(double hz);
  float square(double hz);
  float sine(double hz);

 private:
  // Moves the phase on by one sample; returns the phase before the step and the step size.
  double advance(double hz, double& step);

  double phase_;
};

}  // namespace tolvex::music
