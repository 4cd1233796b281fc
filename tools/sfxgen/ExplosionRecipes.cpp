// Explosions: a sharp blast, a long low rumble and the crackle of burning debris dying away.
#include "Curves.h"
#include "Effects.h"
#include "Filter.h"
#include "Instruments.h"
#include "Noise.h"
#include "Recipe.h"

namespace tolvex::sfx {
namespace {

// How one explosion is put together; the big and the medium one differ only in these.
struct Blast {
  double seconds;         // whole length before the room tail
  double subFrom, subTo;  // the falling sine under everything, Hz
  double rumbleCutoff;    // where the brown-noise rumble's low-pass starts closing, Hz
  double rumbleDecay;     // seconds for the rumble to fall by e
  double bodyGain;        // the mid-range roar that carries on small speakers
  double crackleGain;     // loudness of the debris crackle
  double drive;           // saturation: more is crunchier
  std::uint64_t seed;
};

Signal explosion(const Blast& b) {
  Signal out = boom(b.subFrom, b.subTo, b.seconds * 0.6);
  Signal rumble = filtered(brownNoise(b.seconds, b.seed), FilterKind::LowPass,
                           expSweep(b.rumbleCutoff, 120, b.seconds * 0.7), 0.9);
  strike(rumble, 0.01, b.rumbleDecay);
  mixInto(out, rumble, 1.0);
  Signal crack = filtered(whiteNoise(0.35, b.seed + 1), FilterKind::LowPass, expSweep(5000, 500, 0.2));
  strike(crack, 0.002, 0.07);
  mixInto(out, crack, 0.8);
  Signal body = filtered(whiteNoise(b.seconds * 0.6, b.seed + 3), FilterKind::BandPass,
                         expSweep(900, 250, b.seconds * 0.5), 0.8);
  strike(body, 0.005, b.rumbleDecay * 0.5);
  mixInto(out, body, b.bodyGain);
  const Curve density = segments({{0.0, 40}, {0.25, 220}, {b.seconds * 0.55, 80}, {b.seconds, 4}});
  Signal debris = filtered(crackle(b.seconds, b.seed + 2, density), FilterKind::BandPass, 2200.0, 0.7);
  applyGain(debris, segments({{0.0, 0.0}, {0.1, 1.0}, {b.seconds, 0.0}}));
  mixInto(out, debris, b.crackleGain);
  saturate(out, b.drive);
  return reverb(out, 0.6, 0.2, 0.3);
}

// Rockets and the large blasts: long, deep and rolling.
Signal bigExplosion() { return explosion({2.0, 70, 30, 1100, 0.55, 3.0, 0.5, 1.4, 1074}); }

// A ship breaking apart: shorter, higher and crunchier.
Signal mediumExplosion() { return explosion({1.2, 95, 45, 1600, 0.3, 3.0, 0.7, 2.4, 6}); }

}  // namespace

std::vector<SoundRecipe> explosionRecipes() {
  return {{"Explosio-Ulvo-1074.wav", bigExplosion}, {"aexplo6.wav", mediumExplosion}};
}

}  // namespace tolvex::sfx
