#include "platform/MusicEngine.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

#include "platform/Files.h"
#include "platform/Sound.h"

namespace tolvex {

namespace {

// SDL_mixer streams one music track at a time: which song holds the stream now.
using StreamOwner = std::shared_ptr<const Mix_Music*>;

// A song streamed from its file; frees the stream with it.
class MixerMusicSound : public MusicSound {
 public:
  MixerMusicSound(Mix_Music* music, StreamOwner owner) : music_(music), owner_(std::move(owner)) {}
  ~MixerMusicSound() override {
    if (AudioOpen()) Mix_FreeMusic(music_);
  }
  MixerMusicSound(const MixerMusicSound&) = delete;
  MixerMusicSound& operator=(const MixerMusicSound&) = delete;

  bool IsFinished() const override { return !HoldsTheStream() || Mix_PlayingMusic() == 0; }

  void SetVolume(float volume) override {
    if (!HoldsTheStream()) return;
    // A volume that is not a number counts as silence.
    const float level = std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 0.0f;
    Mix_VolumeMusic(static_cast<int>(std::lround(level * MIX_MAX_VOLUME)));
  }

 private:
  bool HoldsTheStream() const { return AudioOpen() && *owner_ == music_; }

  Mix_Music* music_;
  StreamOwner owner_;
};

class MixerMusicEngine : public MusicEngine {
 public:
  MusicSoundPtr Play2D(std::string_view path) override {
    if (!AudioOpen()) return nullptr;
    Mix_Music* music = Mix_LoadMUS(NativePath(path).c_str());
    if (!music) return nullptr;
    auto sound = std::make_shared<MixerMusicSound>(music, owner_);
    if (Mix_PlayMusic(music, 0) != 0) return nullptr;
    *owner_ = music;
    return sound;
  }

 private:
  StreamOwner owner_ = std::make_shared<const Mix_Music*>(nullptr);
};

}  // namespace

MusicEnginePtr CreateMusicEngine() {
  if (!AudioOpen()) return nullptr;
  Mix_Init(MIX_INIT_OGG);
  return std::make_shared<MixerMusicEngine>();
}

}  // namespace tolvex
