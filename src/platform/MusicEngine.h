#pragma once
// The music engine: streams Ogg Vorbis songs on the audio device's own thread. The game asks
// exactly four things of it: create it, play a file and get a handle, is that song finished,
// and set its volume.
#include <memory>
#include <string_view>

namespace tolvex {

// One song as the engine plays it.
class MusicSound {
 public:
  virtual ~MusicSound() = default;
  // True once the song has played to its end (or another song has taken its place).
  virtual bool IsFinished() const = 0;
  // Loudness 0..1; values outside are held at the ends.
  virtual void SetVolume(float volume) = 0;
};
using MusicSoundPtr = std::shared_ptr<MusicSound>;

// Plays one song at a time from a file.
class MusicEngine {
 public:
  virtual ~MusicEngine() = default;
  // Starts the file ("\" path) at once, not looped; null when it cannot be played.
  virtual MusicSoundPtr Play2D(std::string_view path) = 0;
};
using MusicEnginePtr = std::shared_ptr<MusicEngine>;

// The engine on the open audio device; null when the game runs silent (no device).
MusicEnginePtr CreateMusicEngine();

}  // namespace tolvex
