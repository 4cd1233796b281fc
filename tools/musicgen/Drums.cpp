#include "musicgen/Drums.h"

#include <array>
#include <cmath>

#include "musicgen/Envelope.h"
#include "musicgen/Oscillators.h"
#include "musicgen/Svf.h"

namespace tolvex::music {

namespace {

constexpr Sends kDrySends{0.04f, 0.0f};

// Six square waves at inharmonic ratios: the ring of a cymbal under its noise.
class Metal {
 public:
  float next() {
    static constexpr std::array<double, 6> kHz{587.0, 845.0, 1127.0, 1496.0, 1669.0, 2217.0};
    float sum = 0;
    for (std::size_t i = 0; i < kHz.size(); ++i) sum += oscillators_[i].square(kHz[i]);
    return sum / 6.0f;
  }

 private:
  std::array<Oscillator, 6> oscillators_{Oscillator(0.0), Oscillator(0.17), Oscillator(0.31),
                                         Oscillator(0.53), Oscillator(0.71), Oscillator(0.89)};
};

// Noise and metal high-passed at `cutoff` into both channels with its own envelope.
void cymbal(Mix& mix, std::size_t at, float level, double cutoff, double decay, float pan, float width,
            const Sends& sends, sfx::Rng& rng) {
  Metal metal;
  Svf left(cutoff, 0.8), right(cutoff, 0.8);
  Decay envelope(0.0005, decay);
  const std::size_t frames = envelope.length();
  const Pan place = panOf(pan);
  for (std::size_t i = 0; i < frames; ++i) {
    const float ring = metal.next() * 0.6f;
    const float noiseL = static_cast<float>(rng.bipolar()), noiseR = static_cast<float>(rng.bipolar());
    const float mid = (noiseL + noiseR) * 0.5f;
    const float l = left.high(ring + mid + (noiseL - mid) * width);
    const float r = right.high(ring + mid + (noiseR - mid) * width);
    const float e = envelope.next() * level;
    mix.add(at + i, l * e * place.left, r * e * place.right, sends);
  }
}

}  // namespace

void kick(Mix& mix, std::size_t at, float velocity) {
  Oscillator body, click;
  Decay envelope(0.001, 0.2), clickEnvelope(0.0002, 0.003);
  const std::size_t frames = envelope.length();
  const double drive = 1.6, norm = std::tanh(drive);
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double hz = 50.0 + 120.0 * std::exp(-t / 0.03);
    const float x = body.sine(hz) * envelope.next() + 0.25f * click.sine(3200.0) * clickEnvelope.next();
    const float y = static_cast<float>(std::tanh(drive * x) / norm) * 0.42f * velocity;
    mix.add(at + i, y, y, kDrySends);
  }
}

void snare(Mix& mix, std::size_t at, float velocity, sfx::Rng& rng) {
  Oscillator low, high;
  Svf band(2600.0, 0.6), air(900.0, 0.7);
  Decay bodyEnvelope(0.0008, 0.055), noiseEnvelope(0.0008, 0.12);
  const std::size_t frames = noiseEnvelope.length();
  const Sends sends{0.22f, 0.0f};
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double drop = 1.0 + 0.3 * std::exp(-t / 0.01);
    const float body = (0.6f * low.sine(182.0 * drop) + 0.4f * high.sine(331.0 * drop)) * bodyEnvelope.next();
    const float noise = static_cast<float>(rng.bipolar());
    const float crack = (band.band(noise) * 1.4f + air.high(noise) * 0.5f) * noiseEnvelope.next();
    const float y = (0.55f * body + 0.75f * crack) * velocity;
    mix.add(at + i, y, y, sends);
  }
}

void hat(Mix& mix, std::size_t at, float velocity, bool open, float pan, sfx::Rng& rng) {
  cymbal(mix, at, velocity * (open ? 0.45f : 0.55f), 7600.0, open ? 0.16 : 0.022, pan, 0.3f, {0.08f, 0.0f}, rng);
}

void crash(Mix& mix, std::size_t at, float velocity, sfx::Rng& rng) {
  cymbal(mix, at, velocity * 0.32f, 4200.0, 0.85, 0.0f, 1.0f, {0.3f, 0.0f}, rng);
}

void tom(Mix& mix, std::size_t at, float velocity, double hz, float pan) {
  Oscillator body;
  Decay envelope(0.001, 0.17);
  const Pan place = panOf(pan);
  const std::size_t frames = envelope.length();
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const float y = body.sine(hz * (1.0 + 0.45 * std::exp(-t / 0.035))) * envelope.next() * velocity * 0.7f;
    mix.add(at + i, y * place.left, y * place.right, {0.2f, 0.0f});
  }
}

void impact(Mix& mix, std::size_t at, float velocity, sfx::Rng& rng) {
  Oscillator sub;
  Svf rumble(180.0, 0.7);
  Decay envelope(0.002, 0.55), noiseEnvelope(0.001, 0.25);
  const std::size_t frames = envelope.length();
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const float boom = sub.sine(34.0 + 30.0 * std::exp(-t / 0.25)) * envelope.next();
    const float y = (0.8f * boom + 0.5f * rumble.low(static_cast<float>(rng.bipolar())) * noiseEnvelope.next()) *
                    velocity * 0.7f;
    mix.add(at + i, y, y, {0.25f, 0.0f});
  }
}

void riser(Mix& mix, std::size_t at, std::size_t frames, float velocity, sfx::Rng& rng) {
  Svf left, right;
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / static_cast<double>(frames);
    if (i % 32 == 0) {
      const double hz = 250.0 * std::pow(40.0, t);
      left.tune(hz, 3.0);
      right.tune(hz * 1.07, 3.0);
    }
    // Fades out over the last 2 % so the drop lands on silence, not on a cut.
    const double tail = t > 0.98 ? (1.0 - t) / 0.02 : 1.0;
    const float level = static_cast<float>(t * t * tail) * velocity * 0.3f;
    const Pan place = panOf(static_cast<float>(std::sin(t * 9.0) * 0.6));
    mix.add(at + i, left.band(static_cast<float>(rng.bipolar())) * level * place.left * 1.4f,
            right.band(static_cast<float>(rng.bipolar())) * level * place.right * 1.4f, {0.45f, 0.0f});
  }
}

void pumpAfter(Mix& mix, std::size_t at, float depth) {
  const std::size_t attack = framesOf(0.006);
  const std::size_t frames = framesOf(0.6);
  const double fall = std::exp(-1.0 / (0.11 * kSampleRate));
  double duck = 0;
  for (std::size_t i = 0; i < frames; ++i) {
    duck = i < attack ? static_cast<double>(i + 1) / attack : duck * fall;
    const float gain = 1.0f - depth * static_cast<float>(duck);
    float& slot = mix.pump[(at + i) % mix.frames()];
    slot = std::min(slot, gain);
  }
}

}  // namespace tolvex::music
