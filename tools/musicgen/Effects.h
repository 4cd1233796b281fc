// The two shared effects every song sends into: a hall reverb and a ping-pong echo. Both run
// around the loop: they hear the song's end before its start, so the tail that rings over the
// loop point is already there when the song begins again.
#pragma once

#include "musicgen/Mix.h"

namespace tolvex::music {

// A feedback delay network of eight damped lines: `seconds` until the tail has fallen 60 dB,
// `damping` 0..1 how fast its highs die away. Returns the wet signal only.
Stereo reverb(const Stereo& send, double seconds, double damping);

// Repeats `delayFrames` apart, alternating left and right, each `feedback` times the last and a
// little darker. Returns the wet signal only.
Stereo echo(const Stereo& send, std::size_t delayFrames, double feedback);

}  // namespace tolvex::music
