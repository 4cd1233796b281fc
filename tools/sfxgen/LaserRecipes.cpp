// Gun sounds. Quick guns get short, bright zaps so rapid fire stays crisp; heavy guns get
// low sweeps, grit and a thump so they sound like they hurt.
#include <cmath>

#include "Curves.h"
#include "Effects.h"
#include "Filter.h"
#include "Instruments.h"
#include "Noise.h"
#include "Oscillator.h"
#include "Recipe.h"

namespace tolvex::sfx {
namespace {

// A single pitch-swept zap through a closing low-pass: the shape most shots share.
Signal zap(Wave wave, double from, double to, double seconds, double decay, double brightness) {
  Signal out = tone(wave, expSweep(from, to, seconds), seconds);
  out = filtered(out, FilterKind::LowPass, expSweep(brightness, brightness * 0.3, seconds), 1.2);
  strike(out, 0.002, decay);
  return out;
}

// A burst of band-passed noise: the hiss and crack at the muzzle.
Signal noiseBurst(double seconds, std::uint64_t seed, double centre, double q, double decay) {
  Signal out = filtered(whiteNoise(seconds, seed), FilterKind::BandPass, centre, q);
  strike(out, 0.001, decay);
  return out;
}

// A short loop: the tone is shaped after filtering so both ends sit exactly at zero.
Signal retroLoop(Wave wave, const Curve& pitch, std::size_t samples, const Curve& loudness) {
  Signal out = filtered(loopTone(wave, pitch, samples), FilterKind::LowPass, 5000.0);
  applyGain(out, loudness);
  return out;
}

// The player's double laser: two quick zaps a fifth apart, 12 ms after each other.
Signal doubleLaser() {
  Signal out = zap(Wave::Square, 1700, 380, 0.16, 0.045, 7000);
  mixInto(out, zap(Wave::Saw, 1130, 250, 0.15, 0.045, 6000), 0.7, 0.012);
  mixInto(out, noiseBurst(0.02, 11, 5000, 1.0, 0.004), 0.3);
  return out;
}

// Red lasers: a long falling saw with a fast shimmer and a soft body under it.
Signal redLaser() {
  Signal out = tone(Wave::Saw, vibrato(expSweep(2600, 220, 0.3), 35, 0.05), 0.32);
  out = filtered(out, FilterKind::LowPass, expSweep(7000, 1500, 0.3), 1.4);
  strike(out, 0.002, 0.09);
  mixInto(out, zap(Wave::Sine, 420, 90, 0.3, 0.08, 2000), 0.6);
  return out;
}

// The MG turrets: a bark of noise with a short thump, no tail, so bursts stay tight.
Signal machineGun() {
  Signal out = noiseBurst(0.1, 23, 2500, 0.8, 0.015);
  mixInto(out, zap(Wave::Square, 900, 150, 0.06, 0.02, 4000), 0.5);
  mixInto(out, boom(160, 60, 0.09), 0.5);
  saturate(out, 2.0);
  return out;
}

// Orange lasers: a falling sine ring-modulated by a fixed 310 Hz tone, for a metallic twang.
Signal orangeLaser() {
  const double seconds = 0.22;
  Signal out = multiply(tone(Wave::Sine, expSweep(1400, 420, seconds), seconds),
                        tone(Wave::Sine, constant(310), seconds));
  mixInto(out, zap(Wave::Triangle, 1400, 420, seconds, 0.06, 8000), 0.4);
  strike(out, 0.002, 0.07);
  return out;
}

// The lava blade: a thick, gritty saw stack falling low, hissing like molten metal.
Signal lavaBlade() {
  const double seconds = 0.45;
  Signal out = sawStack(expSweep(900, 110, seconds), seconds, {1.0, 1.012, 0.5}, 0.5);
  out = filtered(out, FilterKind::LowPass, expSweep(5000, 400, seconds), 1.0);
  saturate(out, 3.0);
  out = filtered(out, FilterKind::LowPass, 9000.0);  // tames the fizz the drive adds up top
  strike(out, 0.003, 0.14);
  Signal hiss = filtered(whiteNoise(seconds, 37), FilterKind::BandPass, expSweep(3000, 600, seconds), 1.5);
  strike(hiss, 0.005, 0.1);
  mixInto(out, hiss, 0.5);
  mixInto(out, boom(90, 40, 0.3), 0.7);
  return out;
}

// The weak magenta laser: an 8-bit style falling square in six steps, 120 ms, loopable.
Signal retroLoopOne() {
  const std::size_t samples = samplesFor(0.12);
  const Curve fall = expSweep(1100, 550, 0.12);
  const Curve stepped = [fall](double t) { return fall(std::floor(t / 0.02) * 0.02); };
  return retroLoop(Wave::Square, stepped, samples,
                   segments({{0.0, 0.0}, {0.004, 1.0}, {0.09, 0.4}, {0.12, 0.0}}));
}

// The strong magenta laser: a rising-falling arpeggio with a triangle an octave below, 160 ms.
Signal retroLoopTwo() {
  const std::size_t samples = samplesFor(0.16);
  const Curve arpeggio = steps({880, 1320, 1760, 1320}, 0.04);
  Signal out = retroLoop(Wave::Square, arpeggio, samples,
                         segments({{0.0, 0.0}, {0.004, 0.8}, {0.14, 0.6}, {0.16, 0.0}}));
  mixInto(out,
          retroLoop(
              Wave::Triangle, [arpeggio](double t) { return arpeggio(t) * 0.5; }, samples,
              segments({{0.0, 0.0}, {0.004, 1.0}, {0.14, 0.7}, {0.16, 0.0}})),
          0.6);
  return out;
}

// Blue lasers: a bright frequency-modulated "pew" whose sidebands close as it falls.
Signal blueLaser() {
  const double seconds = 0.25;
  Signal out = fmTone(expSweep(2600, 650, seconds), 1.5, expSweep(3.0, 0.5, seconds), seconds);
  strike(out, 0.002, 0.08);
  mixInto(out, zap(Wave::Sine, 5200, 1300, 0.1, 0.03, 12000), 0.25);
  return out;
}

// The destructor: five detuned saws diving to a growl over a heavy boom, in a small room.
Signal destructor() {
  const double seconds = 0.65;
  Signal out = sawStack(expSweep(520, 55, seconds), seconds, {0.985, 0.993, 1.0, 1.007, 1.016}, 0.3);
  out = filtered(out, FilterKind::LowPass, expSweep(6000, 300, seconds), 1.3);
  saturate(out, 4.0);
  out = filtered(out, FilterKind::LowPass, 9000.0);
  strike(out, 0.003, 0.2);
  mixInto(out, boom(110, 35, 0.6), 0.9);
  Signal blast = filtered(whiteNoise(0.2, 41), FilterKind::LowPass, expSweep(4000, 500, 0.2));
  strike(blast, 0.001, 0.04);
  mixInto(out, blast, 0.6);
  return reverb(out, 0.3, 0.15, 0.15);
}

// Purple lasers: a quick rising charge and a click, then the shot.
Signal cockLaser() {
  Signal charge = tone(Wave::Triangle, expSweep(300, 1800, 0.06), 0.06);
  applyGain(charge, segments({{0.0, 0.0}, {0.05, 0.5}, {0.06, 0.0}}));
  Signal out = charge;
  mixInto(out, noiseBurst(0.02, 53, 4000, 5.0, 0.004), 0.6, 0.055);
  mixInto(out, zap(Wave::Square, 2000, 300, 0.22, 0.06, 8000), 1.0, 0.06);
  return out;
}

// The plasma ball: a slow, wobbling low tone and a falling roar; the shot is big and slow.
Signal slowLaser() {
  const double seconds = 0.75;
  Signal out = tone(Wave::Sine, vibrato(expSweep(320, 90, seconds), 22, 0.25), seconds);
  Signal body = tone(Wave::Saw, vibrato(expSweep(640, 180, seconds), 22, 0.25), seconds);
  mixInto(out, filtered(body, FilterKind::LowPass, 2500.0), 0.6);
  mixInto(out, filtered(whiteNoise(seconds, 67), FilterKind::BandPass, expSweep(2000, 300, seconds), 2.0),
          0.4);
  strike(out, 0.02, 0.25);
  saturate(out, 1.5);
  return out;
}

// The yellow laser fires every 80 ms: a tiny bright blip.
Signal shortShot() {
  Signal out = zap(Wave::Triangle, 3200, 1500, 0.07, 0.02, 12000);
  mixInto(out, zap(Wave::Square, 1600, 750, 0.07, 0.02, 6000), 0.3);
  return out;
}

}  // namespace

std::vector<SoundRecipe> laserRecipes() {
  return {
      {"alternatelaser_1c.wav", doubleLaser},
      {"alternatelaser_1.wav", redLaser},
      {"alternatelaser_1a.wav", machineGun},
      {"alternatelaser_1b.wav", orangeLaser},
      {"alternatelaser_3.wav", lavaBlade},
      {"retro_laser_loop1.wav", retroLoopOne, true},
      {"retro_laser_loop2.wav", retroLoopTwo, true},
      {"Laser_1.wav", blueLaser},
      {"Laser_6.wav", destructor},
      {"cocklasersound.wav", cockLaser},
      {"slowlaser.wav", slowLaser},
      {"shortshot.wav", shortShot},
  };
}

}  // namespace tolvex::sfx
