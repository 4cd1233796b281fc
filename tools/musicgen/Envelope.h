// Envelopes shared by the instruments: a linear rise into an exponential fall, computed by
// multiplication so that a long tail costs one multiply per sample.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "musicgen/Mix.h"

namespace tolvex::music {

// Frames in `seconds`.
inline std::size_t framesOf(double seconds) { return static_cast<std::size_t>(seconds * kSampleRate + 0.5); }

// Rises linearly over `attack` seconds, then falls by e every `decay` seconds.
class Decay {
 public:
  Decay(double attack, double decay)
      : attackFrames_(std::max<std::size_t>(1, framesOf(attack))),
        tailFrames_(framesOf(decay * 7.0)),
        fall_(std::exp(-1.0 / (decay * kSampleRate))) {}
  // Frames until the level is below a thousandth (60 dB down): where a sound may stop unheard.
  std::size_t length() const { return attackFrames_ + tailFrames_; }
  float next() {
    if (frame_ < attackFrames_) return static_cast<float>(static_cast<double>(++frame_) / attackFrames_);
    level_ *= fall_;
    return static_cast<float>(level_);
  }

 private:
  std::size_t attackFrames_, tailFrames_;
  double fall_;
  std::size_t frame_ = 0;
  double level_ = 1.0;
};

// A held note: rises over `attack`, holds until `hold` frames have passed, then falls to silence
// over `release` seconds (a raised-cosine, so there is no click at the end).
class Gate {
 public:
  Gate(double attack, std::size_t hold, double release)
      : attack_(std::max<std::size_t>(1, framesOf(attack))), hold_(hold), release_(std::max<std::size_t>(1, framesOf(release))) {}
  // Frames until the note is silent.
  std::size_t length() const { return std::max(hold_, attack_) + release_; }
  float at(std::size_t frame) const {
    const double rise = frame < attack_ ? static_cast<double>(frame) / attack_ : 1.0;
    const std::size_t end = std::max(hold_, attack_);
    if (frame < end) return static_cast<float>(rise);
    const double t = static_cast<double>(frame - end) / release_;
    return t >= 1.0 ? 0.0f : static_cast<float>(0.5 + 0.5 * std::cos(t * 3.141592653589793));
  }

 private:
  std::size_t attack_, hold_, release_;
};

}  // namespace tolvex::music
