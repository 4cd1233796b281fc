#include "musicgen/Effects.h"

#include <array>
#include <cmath>
#include <vector>

#include "musicgen/Envelope.h"
#include "musicgen/Svf.h"

namespace tolvex::music {

namespace {

// A delay line read `length` samples behind where it is written.
class DelayLine {
 public:
  explicit DelayLine(std::size_t length) : buffer_(length, 0.0f) {}
  float read() const { return buffer_[position_]; }
  void write(float x) {
    buffer_[position_] = x;
    if (++position_ == buffer_.size()) position_ = 0;
  }

 private:
  std::vector<float> buffer_;
  std::size_t position_ = 0;
};

// Runs `effect` (stereo in, stereo out, one frame per call) around the loop: first over the
// song's last `warmup` frames with the output thrown away, then over the whole song.
template <typename Effect>
Stereo aroundTheLoop(const Stereo& input, std::size_t warmup, Effect& effect) {
  const std::size_t frames = input.frames();
  Stereo output(frames);
  warmup = std::min(warmup, frames);
  float l = 0, r = 0;
  for (std::size_t i = frames - warmup; i < frames; ++i) effect(input.left[i], input.right[i], l, r);
  for (std::size_t i = 0; i < frames; ++i) {
    effect(input.left[i], input.right[i], l, r);
    output.left[i] = l;
    output.right[i] = r;
  }
  return output;
}

// The reverb's state: eight lines mixed through a Hadamard matrix, each damped by a low-pass.
class Hall {
 public:
  Hall(double seconds, double damping) : predelayL_(framesOf(0.018)), predelayR_(framesOf(0.023)) {
    static constexpr std::array<std::size_t, 8> kLengths{1123, 1381, 1597, 1823, 2081, 2357, 2671, 2999};
    for (std::size_t i = 0; i < kLengths.size(); ++i) {
      lines_.emplace_back(kLengths[i]);
      gains_[i] = static_cast<float>(std::pow(10.0, -3.0 * kLengths[i] / (seconds * kSampleRate)));
      damp_[i].tune(9000.0 * (1.0 - 0.8 * damping), 0.6);
    }
  }

  void operator()(float inL, float inR, float& outL, float& outR) {
    predelayL_.write(inL);
    predelayR_.write(inR);
    const float l = predelayL_.read(), r = predelayR_.read();
    std::array<float, 8> v{};
    for (std::size_t i = 0; i < 8; ++i) v[i] = damp_[i].low(lines_[i].read()) * gains_[i];
    outL = (v[0] + v[2] + v[4] + v[6]) * 0.5f;
    outR = (v[1] + v[3] + v[5] + v[7]) * 0.5f;
    hadamard(v);
    for (std::size_t i = 0; i < 8; ++i) lines_[i].write(v[i] * 0.35355339f + ((i & 1) ? r : l) * 0.3f);
  }

 private:
  // The fast 8-point Hadamard transform (unnormalised): every line feeds every other.
  static void hadamard(std::array<float, 8>& v) {
    for (std::size_t half = 1; half < 8; half *= 2) {
      for (std::size_t i = 0; i < 8; i += 2 * half) {
        for (std::size_t j = i; j < i + half; ++j) {
          const float a = v[j], b = v[j + half];
          v[j] = a + b;
          v[j + half] = a - b;
        }
      }
    }
  }

  DelayLine predelayL_, predelayR_;
  std::vector<DelayLine> lines_;
  std::array<float, 8> gains_{};
  std::array<Svf, 8> damp_;
};

// Two delay lines that feed each other: a repeat on the left, the next on the right.
class PingPong {
 public:
  PingPong(std::size_t delay, double feedback)
      : left_(delay), right_(delay), feedback_(static_cast<float>(feedback)), tone_(3500.0, 0.6), low_(250.0, 0.6) {}

  void operator()(float inL, float inR, float& outL, float& outR) {
    outL = left_.read();
    outR = right_.read();
    const float darker = low_.high(tone_.low(outR));
    right_.write(outL * feedback_);
    left_.write((inL + inR) * 0.5f + darker * feedback_);
  }

 private:
  DelayLine left_, right_;
  float feedback_;
  Svf tone_, low_;
};

}  // namespace

Stereo reverb(const Stereo& send, double seconds, double damping) {
  Hall hall(seconds, damping);
  return aroundTheLoop(send, framesOf(seconds * 2.0), hall);
}

Stereo echo(const Stereo& send, std::size_t delayFrames, double feedback) {
  PingPong pingPong(delayFrames, feedback);
  const double repeatsToSilence = std::log(1e-4) / std::log(std::max(feedback, 0.05));
  return aroundTheLoop(send, static_cast<std::size_t>(2.0 * delayFrames * repeatsToSilence), pingPong);
}

}  // namespace tolvex::music
