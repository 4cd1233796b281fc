#include "platform/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <optional>
#include <string>

#include "platform/AlsaMessages.h"
#include "platform/Diagnostics.h"
#include "platform/Files.h"
#include "platform/GameFolders.h"

namespace tolvex {

// A loaded WAV effect; frees its samples with it.
class Sound {
 public:
  explicit Sound(Mix_Chunk* chunk) : chunk_(chunk) {}
  // Freed even after the device has closed: effects held by the ship tables outlive it, and
  // SDL_mixer lets a chunk go at any time.
  ~Sound() { Mix_FreeChunk(chunk_); }
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

// Opens a sound device; SDL's reason when there is none to open.
std::optional<std::string> OpenDevice() {
  const QuietSoundProbe quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return SDL_GetError();
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0) return std::nullopt;
  std::string reason = Mix_GetError();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return reason;
}

bool effectsHeld = false;
}  // namespace

bool OpenAudio() {
  if (AudioFlag()) return true;
  if (const auto reason = OpenDevice()) {
    WriteDebugLine("No sound device (" + *reason + "): the game runs silent");
    return false;
  }
  Mix_AllocateChannels(kChannels);
  Mix_ReserveChannels(kReservedChannels);
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
  const std::string file = ShippedPath(path);
  Mix_Chunk* chunk = Mix_LoadWAV(NativePath(file).c_str());
  if (!chunk) WriteDebugLine("Sound not loaded: " + file + " (" + Mix_GetError() + ")");
  return chunk ? std::make_shared<Sound>(chunk) : nullptr;
}

namespace {
// Starts the sound on `channel` (−1: the first free one) at full volume.
Channel StartSound(Channel channel, const SoundPtr& sound) {
  if (!sound || !AudioOpen() || effectsHeld) return -1;
  channel = Mix_PlayChannel(channel, sound->Chunk(), 0);
  if (channel >= 0) Mix_Volume(channel, MIX_MAX_VOLUME);
  return channel;
}
}  // namespace

Channel PlaySound(const SoundPtr& sound) { return StartSound(-1, sound); }

Channel PlaySoundOn(Channel reserved, const SoundPtr& sound) {
  return reserved >= 0 && reserved < kReservedChannels ? StartSound(reserved, sound) : -1;
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
