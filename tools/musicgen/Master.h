// The last steps of a song: the sub-bass rumble taken out, the level set, the peaks held down.
#pragma once

#include "musicgen/Mix.h"

namespace tolvex::music {

// Root mean square of both channels, in dB below full scale.
double rmsDb(const Stereo& song);
// Largest absolute sample of both channels.
float peakOf(const Stereo& song);

// Takes out everything below `hz` (and any constant offset), around the loop.
void removeRumble(Stereo& song, double hz);
// Scales the song so its RMS level is `db` below full scale.
void setLevel(Stereo& song, double db);
// A look-ahead limiter: the gain dips smoothly ahead of every peak that would pass `ceiling`, so
// no sample does, and recovers over `release` seconds; around the loop, like everything else.
void limit(Stereo& song, float ceiling, double release);

}  // namespace tolvex::music
