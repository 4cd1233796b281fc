// The render target of a song: a stereo loop that notes are written into, wrapping at its end
// so that a note sounding over the loop point is heard again at the start.
#pragma once

#include <cstddef>
#include <vector>

namespace tolvex::music {

// Sample rate of every song, in Hz.
inline constexpr int kSampleRate = 44100;

// Two channels of the same length.
struct Stereo {
  std::vector<float> left, right;

  explicit Stereo(std::size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
  std::size_t frames() const { return left.size(); }
};

// Where a note writes: the dry mix and what it sends to the reverb and the echo.
struct Sends {
  float reverb = 0.0f;
  float echo = 0.0f;
};

// The song being rendered: the dry mix, the two effect sends and the pump curve (the gain the
// kick leaves for the pads and the bass).
class Mix {
 public:
  explicit Mix(std::size_t frames) : dry(frames), reverbSend(frames), echoSend(frames), pump(frames, 1.0f) {}

  std::size_t frames() const { return dry.frames(); }

  // Adds one stereo sample at a position that may lie past the end (it wraps to the start).
  void add(std::size_t at, float left, float right, const Sends& sends) {
    if (at >= frames()) at %= frames();
    dry.left[at] += left;
    dry.right[at] += right;
    if (sends.reverb > 0.0f) {
      reverbSend.left[at] += left * sends.reverb;
      reverbSend.right[at] += right * sends.reverb;
    }
    if (sends.echo > 0.0f) {
      echoSend.left[at] += left * sends.echo;
      echoSend.right[at] += right * sends.echo;
    }
  }

  // The pump gain at a position that may lie past the end.
  float pumpAt(std::size_t at) const { return pump[at % frames()]; }

  Stereo dry, reverbSend, echoSend;
  std::vector<float> pump;
};

// Left and right gains of an equal-power pan, -1 (left) .. 1 (right).
struct Pan {
  float left, right;
};
Pan panOf(float position);

}  // namespace tolvex::music
