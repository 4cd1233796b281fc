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

// Loads a WAV file ("\" paths); null when it is missing or there is no audio.
SoundPtr LoadSound(std::string_view path, int flags = 0);
// Starts the sound on a new channel at full volume.
Channel PlaySound(const SoundPtr& sound);
void SetChannelVolume(Channel channel, float volume);
bool IsChannelPlaying(Channel channel);
// While held (the game is paused) every playing effect waits where it is and no new one starts.
void HoldSoundEffects(bool held);

}  // namespace tolvex
