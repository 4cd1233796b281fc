// The HUD alarms. The game restarts them back to back while the danger lasts, so each is a
// whole number of cycles long and fades to zero at both ends: the loop has no click.
#include <algorithm>
#include <cmath>

#include "Curves.h"
#include "Effects.h"
#include "Filter.h"
#include "Oscillator.h"
#include "Recipe.h"

namespace tolvex::sfx {
namespace {

// `count` beeps, one every `periodSeconds`, each on for `onSeconds` with short ramps so it
// starts and ends at zero; silence after the last.
Curve beeps(int count, double periodSeconds, double onSeconds, double ramp) {
  return [=](double t) {
    const int index = static_cast<int>(t / periodSeconds);
    const double inBeep = t - periodSeconds * index;
    if (index >= count || inBeep >= onSeconds) return 0.0;
    return std::min({1.0, inBeep / ramp, (onSeconds - inBeep) / ramp});
  };
}

// Incoming rockets: harsh square beeps alternating high and low eight times in 0.8 s.
Signal rocketAlarm() {
  const std::size_t samples = samplesFor(0.8);
  const double high = loopFrequency(1250, samples), low = loopFrequency(940, samples);
  const Curve pitch = [=](double t) { return static_cast<int>(t / 0.1) % 2 == 0 ? high : low; };
  Signal out = filtered(loopTone(Wave::Square, pitch, samples), FilterKind::LowPass, 5000.0);
  saturate(out, 1.5);
  applyGain(out, beeps(8, 0.1, 0.085, 0.003));
  return out;
}

// Low hit points: a softer two-note "bee-boo", each note sagging a little, then a pause;
// once a second.
Signal lowHpAlarm() {
  const std::size_t samples = samplesFor(1.0);
  const double first = loopFrequency(660, samples), second = loopFrequency(495, samples);
  const Curve pitch = [=](double t) {
    return (t < 0.25 ? first : second) * (1.0 - 0.03 * std::fmod(t, 0.25) / 0.25);
  };
  Signal out = loopTone(Wave::Triangle, pitch, samples);
  mixInto(out,
          loopTone(
              Wave::Sine, [&pitch](double t) { return pitch(t) * 2.0; }, samples),
          0.3);
  applyGain(out, beeps(2, 0.25, 0.2, 0.01));
  return out;
}

}  // namespace

std::vector<SoundRecipe> alarmRecipes() {
  return {{"geraet_agressive.wav", rocketAlarm, true}, {"alarm2.wav", lowHpAlarm, true}};
}

}  // namespace tolvex::sfx
