#pragma once
// WAV sound effects played on channels. Without an audio device every call is silent.
#include <memory>
#include <string_view>

namespace tolvex {

// A loaded WAV effect.
class Sound;
using SoundPtr = std::shared_ptr<Sound>;
// One playing instance of a sound; −1 when nothing is playing.
using Channel = int;

// Opens the audio device; false (and a silent game) when there is none.
bool OpenAudio();
void CloseAudio();
bool AudioOpen();

// Loads a WAV file the game ships with ("\" paths); null when it is missing or there is no audio.
SoundPtr LoadSound(std::string_view path, int flags = 0);
// Channels 0 .. kReservedChannels − 1 belong to sounds that must not be crowded out, such as the
// HUD's alarms: PlaySound never picks them, so no other effect can take one over, and a reserved
// channel that plays is playing its own sound.
constexpr Channel kReservedChannels = 2;

// Starts the sound on a free channel at full volume.
Channel PlaySound(const SoundPtr& sound);
// Starts the sound at full volume on reserved channel `reserved`, cutting off what played there.
Channel PlaySoundOn(Channel reserved, const SoundPtr& sound);
void SetChannelVolume(Channel channel, float volume);
bool IsChannelPlaying(Channel channel);
// While held (the game is paused) every playing effect waits where it is and no new one starts.
void HoldSoundEffects(bool held);

}  // namespace tolvex
