// Sounds of game events: a rocket leaving its rail, a kill, a stage goal reached.
#include "Curves.h"
#include "Effects.h"
#include "Filter.h"
#include "Instruments.h"
#include "Noise.h"
#include "Recipe.h"

namespace tolvex::sfx {
namespace {

// The rocket launch: an ignition thump, then a noise whoosh whose band rises fast and falls
// away as the rocket leaves.
Signal rocketLaunch() {
  const double seconds = 0.9;
  const Curve band = segments({{0.0, 400}, {0.25, 3500}, {seconds, 700}});
  Signal out = filtered(whiteNoise(seconds, 3), FilterKind::BandPass, band, 1.5);
  applyGain(out, segments({{0.0, 0.0}, {0.04, 1.0}, {0.3, 0.7}, {seconds, 0.0}}));
  Signal roar = filtered(brownNoise(seconds, 4), FilterKind::LowPass, 600.0);
  strike(roar, 0.01, 0.25);
  mixInto(out, roar, 1.2);
  mixInto(out, boom(120, 50, 0.25), 0.8);
  saturate(out, 1.2);
  return out;
}

// A kill: two quick bell notes a fifth apart, rising.
Signal pickUpChime() {
  Signal out = bell(noteHz(88), 0.35);
  mixInto(out, bell(noteHz(95), 0.35), 0.9, 0.07);
  return reverb(out, 0.3, 0.12, 0.08);
}

// A stage goal: a rising C major arpeggio on brass and bells, ending on the full chord.
Signal stageFanfare() {
  Signal out;
  const int arpeggio[] = {72, 76, 79, 84};
  for (int i = 0; i < 4; ++i) {
    mixInto(out, brass(noteHz(arpeggio[i]), 0.12), 0.35, 0.09 * i);
    mixInto(out, bell(noteHz(arpeggio[i] + 12), 0.3), 0.2, 0.09 * i);
  }
  mixInto(out, brassChord({60, 72, 76, 79, 84}, 0.95, 0.3), 1.0, 0.36);
  mixInto(out, bell(noteHz(96), 0.8), 0.2, 0.36);
  return reverb(out, 0.55, 0.2, 0.15);
}

}  // namespace

std::vector<SoundRecipe> eventRecipes() {
  return {{"rocketfire.wav", rocketLaunch}, {"getpoint.wav", pickUpChime}, {"nextstage.wav", stageFanfare}};
}

}  // namespace tolvex::sfx
