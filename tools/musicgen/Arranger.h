// Plays a written song into audio: every section, bar and step of it, then the effects and the
// master, around the loop so that its end flows into its start.
#pragma once

#include "musicgen/Mix.h"
#include "musicgen/Song.h"

namespace tolvex::music {

// Level and ceiling of every song, in dB below full scale.
inline constexpr double kSongRmsDb = -17.0;
// Lossy encoding lets peaks grow by a decibel or so: the ceiling leaves room for that.
inline constexpr double kSongCeilingDb = -3.0;

// The whole song, mastered; `bars` > 0 renders only that many bars (quick previews and tests).
Stereo renderSong(const SongPlan& plan, int bars = 0);
// The song as the instruments and effects play it, before the master.
Stereo mixSong(const SongPlan& plan, int bars = 0);
// The master: rumble out, the level set, the peaks held below the ceiling.
void masterSong(Stereo& song);

// Frames the song lasts.
std::size_t songFrames(const SongPlan& plan);

}  // namespace tolvex::music
