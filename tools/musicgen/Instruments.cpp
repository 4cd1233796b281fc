#include "musicgen/Instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "musicgen/Envelope.h"
#include "musicgen/Oscillators.h"
#include "musicgen/Svf.h"

namespace tolvex::music {

namespace {

// The filters move every few samples: smooth to the ear, a fraction of the cost.
constexpr std::size_t kTuneEvery = 16;

// The pad's saws per note: detune in cents and place in the stereo field.
constexpr std::array<double, 4> kPadDetune{-11.0, -4.0, 5.0, 12.0};
constexpr std::array<float, 4> kPadPan{-0.85f, -0.3f, 0.35f, 0.8f};

}  // namespace

void bassNote(Mix& mix, std::size_t at, std::size_t frames, int pitch, float velocity, const BassTone& tone) {
  Oscillator saw, detuned(0.37), sub;
  Svf filter;
  const Gate gate(0.003, frames, 0.012);
  const double hz = noteFrequency(pitch);
  const double sweepFall = std::exp(-static_cast<double>(kTuneEvery) / (0.09 * kSampleRate));
  double sweep = tone.sweep;
  const double drive = 1.8, norm = std::tanh(drive);
  for (std::size_t i = 0; i < gate.length(); ++i) {
    if (i % kTuneEvery == 0) {
      filter.tune(tone.cutoff + sweep, 1.1);
      sweep *= sweepFall;
    }
    const float raw = 0.5f * saw.saw(hz) + 0.35f * detuned.saw(hz * 1.004) + 0.4f * sub.sine(hz);
    const float shaped = static_cast<float>(std::tanh(drive * filter.low(raw)) / norm);
    const float duck = 1.0f - tone.pump * (1.0f - mix.pumpAt(at + i));
    const float y = shaped * gate.at(i) * velocity * duck * 0.3f;
    mix.add(at + i, y, y, {0.02f, 0.0f});
  }
}

void padChord(Mix& mix, std::size_t at, std::size_t frames, const std::vector<int>& pitches, float velocity,
              const PadTone& tone, sfx::Rng& rng) {
  const Gate gate(tone.attack, frames, tone.release);
  const float level = velocity * 0.15f / std::sqrt(static_cast<float>(pitches.size()));
  Svf left, right;
  std::vector<Oscillator> saws;
  std::vector<double> hz;
  for (const int pitch : pitches) {
    for (const double cents : kPadDetune) {
      saws.emplace_back(rng.uniform());
      hz.push_back(noteFrequency(pitch + cents / 100.0));
    }
  }
  std::array<Pan, kPadPan.size()> places{};
  for (std::size_t s = 0; s < kPadPan.size(); ++s) places[s] = panOf(kPadPan[s]);
  const double lfoPhase = rng.uniform() * 6.283;
  for (std::size_t i = 0; i < gate.length(); ++i) {
    if (i % kTuneEvery == 0) {
      const double t = static_cast<double>(i) / kSampleRate;
      const double wobble = 1.0 + 0.18 * std::sin(lfoPhase + t * 1.3);
      left.tune(tone.cutoff * wobble, 0.9);
      right.tune(tone.cutoff / wobble, 0.9);
    }
    float l = 0, r = 0;
    for (std::size_t s = 0; s < saws.size(); ++s) {
      const float x = saws[s].saw(hz[s]);
      const Pan& place = places[s % places.size()];
      l += x * place.left;
      r += x * place.right;
    }
    const float duck = 1.0f - tone.pump * (1.0f - mix.pumpAt(at + i));
    const float e = gate.at(i) * level * duck;
    mix.add(at + i, left.low(l) * e, right.low(r) * e, {0.35f, 0.0f});
  }
}

void pluck(Mix& mix, std::size_t at, int pitch, float velocity, float pan, double cutoff) {
  Oscillator saw, square(0.25);
  Svf filter;
  Decay envelope(0.002, 0.14);
  const double hz = noteFrequency(pitch);
  const Pan place = panOf(pan);
  const std::size_t frames = envelope.length();
  for (std::size_t i = 0; i < frames; ++i) {
    if (i % kTuneEvery == 0) {
      const double t = static_cast<double>(i) / kSampleRate;
      filter.tune(cutoff * (0.35 + 2.5 * std::exp(-t / 0.05)), 1.4);
    }
    const float y = filter.low(0.55f * saw.saw(hz) + 0.35f * square.square(hz * 2.0)) * envelope.next() * velocity * 0.55f;
    mix.add(at + i, y * place.left, y * place.right, {0.22f, 0.4f});
  }
}

void leadLine(Mix& mix, std::size_t at, const std::vector<LeadNote>& notes, float velocity, double brightness) {
  if (notes.empty()) return;
  Oscillator saw, square(0.5), octave(0.25), vibrato;
  Svf filter;
  const double glide = 1.0 - std::exp(-1.0 / (0.035 * kSampleRate));
  const float rise = static_cast<float>(1.0 - std::exp(-1.0 / (0.004 * kSampleRate)));
  const float fall = static_cast<float>(1.0 - std::exp(-1.0 / (0.03 * kSampleRate)));
  double pitch = notes.front().pitch;
  std::size_t current = 0;  // the note playing, or the last one before a rest
  float level = 0;
  const std::size_t end = notes.back().end + framesOf(0.3);
  for (std::size_t i = notes.front().start; i < end; ++i) {
    while (current + 1 < notes.size() && i >= notes[current + 1].start) ++current;
    const LeadNote& note = notes[current];
    const bool sounding = i < note.end;
    // Touching notes glide; after a rest the new note starts on its own pitch.
    const bool tied = current > 0 && notes[current - 1].end == note.start;
    if (i == note.start && !tied) pitch = note.pitch;
    pitch += (note.pitch - pitch) * glide;
    // Long notes grow a vibrato; each new note opens the filter a little.
    const double held = static_cast<double>(i - note.start) / kSampleRate;
    const double depth = std::clamp((held - 0.22) / 0.3, 0.0, 1.0) * 0.22;
    const double hz = noteFrequency(pitch + depth * vibrato.sine(5.3));
    level += ((sounding ? 1.0f : 0.0f) - level) * (sounding ? rise : fall);
    if (i % kTuneEvery == 0) filter.tune(brightness * (1.0 + 1.6 * std::exp(-held / 0.12)), 1.3);
    const float raw = 0.5f * saw.saw(hz) + 0.3f * square.square(hz * 1.003) + 0.25f * octave.saw(hz * 0.5);
    const float y = filter.low(raw) * level * velocity * 0.26f;
    mix.add(at + i, y, y, {0.28f, 0.33f});
  }
}

}  // namespace tolvex::music
