#include "Instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "Curves.h"
#include "Filter.h"
#include "Oscillator.h"

namespace tolvex::sfx {

double noteHz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

Signal bell(double frequency, double seconds) {
  struct Partial {
    double ratio, gain, decay;
  };
  constexpr std::array<Partial, 4> kPartials{
      {{1.0, 1.0, 0.9}, {2.0, 0.5, 0.45}, {3.01, 0.25, 0.25}, {4.23, 0.15, 0.12}}};
  Signal out(samplesFor(seconds), 0.0);
  for (const Partial& p : kPartials) {
    Signal partial = tone(Wave::Sine, constant(frequency * p.ratio), seconds);
    strike(partial, 0.004, p.decay * seconds);
    mixInto(out, partial, p.gain);
  }
  return out;
}

Signal sawStack(const Curve& pitch, double seconds, std::initializer_list<double> ratios, double gain) {
  Signal out;
  double phase = 0.0;
  for (double ratio : ratios) {
    const Curve voicePitch = [&pitch, ratio](double t) { return pitch(t) * ratio; };
    mixInto(out, tone(Wave::Saw, voicePitch, seconds, phase), gain);
    phase += 0.37;  // an uneven step, so no two voices start together
  }
  return out;
}

Signal brass(double frequency, double seconds) {
  const double release = std::min(0.12, seconds / 3.0);
  const Curve pitch = [frequency](double t) {
    return frequency * (1.0 + (t > 0.15 ? 0.004 * std::sin(2.0 * std::numbers::pi * 5.5 * t) : 0.0));
  };
  Signal out =
      filtered(sawStack(pitch, seconds, {1.0, 1.005}, 1.0), FilterKind::LowPass,
               segments({{0.0, frequency * 1.5}, {0.04, frequency * 9.0}, {0.2, frequency * 4.0}}), 1.1);
  applyGain(out,
            segments({{0.0, 0.0}, {0.02, 1.0}, {0.12, 0.75}, {seconds - release, 0.65}, {seconds, 0.0}}));
  return out;
}

Signal brassChord(std::initializer_list<int> midiNotes, double seconds, double gain) {
  Signal out;
  for (int note : midiNotes) mixInto(out, brass(noteHz(note), seconds), gain);
  return out;
}

Signal boom(double from, double to, double seconds) {
  Signal out = tone(Wave::Sine, expSweep(from, to, seconds), seconds);
  strike(out, 0.004, seconds / 3.0);
  return out;
}

}  // namespace tolvex::sfx
