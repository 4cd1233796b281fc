// Multikill announcements: a deep game-announcer voice over a stinger, the big fanfare and
// the evil laugh for the longest chain. Without espeak-ng the lines become synthesised stings.
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

// The announcer: a low, slow voice, pitched down further, roughened and put in a hall.
const Voice kAnnouncer{"en-us", 30, 140};
// The laugh: as low as espeak-ng goes, then pitched down a lot more.
const Voice kVillain{"en-us", 10, 170};

// Turns plain speech into an announcer: deeper, band-limited like a big PA, driven a little,
// with a slap-back echo and a hall.
Signal announce(const Signal& speech, double speed) {
  Signal out = filtered(resample(speech, speed), FilterKind::HighPass, 90.0);
  saturate(out, 2.2);
  out = filtered(out, FilterKind::LowPass, 6500.0);
  out = echo(out, 0.11, 0.3, 0.3);
  return reverb(out, 0.5, 0.2, 0.3);
}

// The stinger under an announcer line: a thump and a rising noise sweep.
Signal stinger() {
  Signal out = boom(85, 38, 0.5);
  Signal swish = filtered(whiteNoise(0.4, 77), FilterKind::BandPass, expSweep(500, 5000, 0.4), 1.2);
  applyGain(swish, segments({{0.0, 0.0}, {0.05, 0.5}, {0.4, 0.0}}));
  mixInto(out, swish, 0.6);
  return out;
}

// A line spoken over the stinger, or `fallback` when there is no speech engine.
Signal announcerLine(const Speech& speech, const std::string& text, const std::function<Signal()>& fallback) {
  const auto spoken = speech.speak(text, kAnnouncer);
  if (!spoken) return fallback();
  // The stinger stays under the voice: the words must cut through the battle.
  Signal out;
  mixInto(out, stinger(), 0.45);
  mixInto(out, announce(*spoken, 0.84), 1.0, 0.03);
  return out;
}

// Brass stabs on the given chords, one every 0.16 s, over the stinger.
Signal stabs(std::initializer_list<std::initializer_list<int>> chords) {
  Signal out = stinger();
  double at = 0.0;
  for (auto chord : chords) {
    mixInto(out, brassChord(chord, 0.14, 0.3), 1.0, at);
    at += 0.16;
  }
  mixInto(out, brassChord(*std::prev(chords.end()), 0.5, 0.25), 1.0, at);
  return reverb(out, 0.5, 0.2, 0.3);
}

Signal doubleKillSting() { return stabs({{55, 62, 67}, {55, 62, 67}}); }

Signal multiKillSting() { return stabs({{55, 62, 67}, {58, 65, 70}, {60, 67, 72}}); }

// The big multikill fanfare: a brass triplet, then a long C major chord on timpani and cymbal.
Signal bigFanfare() {
  Signal out;
  for (int i = 0; i < 3; ++i) mixInto(out, brassChord({55, 67}, 0.1, 0.4), 1.0, 0.12 * i);
  mixInto(out, brassChord({48, 60, 64, 67, 72}, 1.6, 0.25), 1.0, 0.36);
  mixInto(out, boom(70, 45, 1.2), 0.8, 0.36);
  Signal cymbal = filtered(whiteNoise(1.4, 91), FilterKind::HighPass, 5000.0);
  strike(cymbal, 0.005, 0.45);
  mixInto(out, cymbal, 0.25, 0.36);
  mixInto(out, bell(noteHz(84), 1.2), 0.15, 0.36);
  return reverb(out, 0.7, 0.25, 0.4);
}

// One "ha" of a synthetic laugh: a breathy onset, then a buzzy voice through "ah" formants.
Signal laughSyllable(double pitch, std::uint64_t seed) {
  const double seconds = 0.18;
  const Signal buzz = tone(Wave::Saw, expSweep(pitch, pitch * 0.8, seconds), seconds);
  Signal voice;
  for (auto [formant, gain] : {std::pair{750.0, 1.0}, {1150.0, 0.6}, {2500.0, 0.25}}) {
    mixInto(voice, filtered(buzz, FilterKind::BandPass, formant, 6.0), gain);
  }
  applyGain(voice, segments({{0.0, 0.0}, {0.03, 0.0}, {0.05, 1.0}, {0.12, 0.7}, {seconds, 0.0}}));
  Signal breath = filtered(whiteNoise(0.06, seed), FilterKind::BandPass, 1500.0, 1.0);
  applyGain(breath, segments({{0.0, 0.0}, {0.02, 0.4}, {0.05, 0.0}}));
  mixInto(voice, breath);
  return voice;
}

Signal synthesisedLaugh() {
  Signal out;
  for (int i = 0; i < 6; ++i) mixInto(out, laughSyllable(150.0 - 8.0 * i, 100 + i), 1.0, 0.22 * i);
  out = resample(out, 0.8);
  saturate(out, 1.8);
  return reverb(echo(out, 0.18, 0.3, 0.3), 0.8, 0.35, 0.6);
}

// The evil laugh for the longest chain, deep and echoing.
Signal evilLaugh(const Speech& speech) {
  const auto spoken = speech.speak("ha ha ha ha", kVillain);
  if (!spoken) return synthesisedLaugh();
  Signal out = filtered(resample(*spoken, 0.72), FilterKind::HighPass, 70.0);
  saturate(out, 1.8);
  // The echo falls on the beat of the syllables, so the hall laughs along after the last one.
  return reverb(echo(out, 0.32, 0.25, 0.25), 0.65, 0.25, 0.5);
}

}  // namespace

std::vector<SoundRecipe> announcerRecipes(const Speech& speech) {
  return {
      {"SFDoubleKill.wav", [&speech] { return announcerLine(speech, "Double Kill!", doubleKillSting); }},
      {"SFMultiKill.wav", [&speech] { return announcerLine(speech, "Multi Kill!", multiKillSting); }},
      {"BONSAI.WAV", bigFanfare},
      {"ELAUGH.WAV", [&speech] { return evilLaugh(speech); }},
  };
}

}  // namespace tolvex::sfx
