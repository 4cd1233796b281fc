#include "platform/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

#include "platform/Files.h"

namespace tolvex {

// A loaded WAV effect; frees its samples with it.
class Sound {
 public:
  explicit Sound(Mix_Chunk* chunk) : chunk_(chunk) {}
  ~Sound() {
    if (AudioOpen()) Mix_FreeChunk(chunk_);
  }
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;
  Mix_Chunk* Chunk() const { return chunk_; }

 private:
  Mix_Chunk* chunk_;
};

namespace {
bool& AudioFlag() {
  static bool open = false;
  return open;
}
constexpr int kChannels = 64;
bool effectsHeld = false;
}  // namespace

bool OpenAudio() {
  if (AudioFlag()) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(kChannels);
  AudioFlag() = true;
  return true;
}

void CloseAudio() {
  if (!AudioFlag()) return;
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  AudioFlag() = false;
}

bool AudioOpen() { return AudioFlag(); }

SoundPtr LoadSound(std::string_view path, int) {
  if (!AudioOpen()) return nullptr;
  Mix_Chunk* chunk = Mix_LoadWAV(NativePath(path).c_str());
  return chunk ? std::make_shared<Sound>(chunk) : nullptr;
}

Channel PlaySound(const SoundPtr& sound) {
  if (!sound || !AudioOpen() || effectsHeld) return -1;
  const int channel = Mix_PlayChannel(-1, sound->Chunk(), 0);
  if (channel >= 0) Mix_Volume(channel, MIX_MAX_VOLUME);
  return channel;
}

void SetChannelVolume(Channel channel, float volume) {
  if (channel < 0 || !AudioOpen()) return;
  Mix_Volume(channel, static_cast<int>(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME));
}

void HoldSoundEffects(bool held) {
  effectsHeld = held;
  if (!AudioOpen()) return;
  if (held) Mix_Pause(-1);
  else Mix_Resume(-1);
}

bool IsChannelPlaying(Channel channel) { return channel >= 0 && AudioOpen() && Mix_Playing(channel) != 0; }

}  // namespace tolvex
