#pragma once
// The nine sound effects the shell loads for the HUD, kills, stages and rockets.
#include "platform/Sound.h"

namespace tolvex {

// The shell's sound effects; each is null (silent) when its file is missing.
struct ShellSounds {
  SoundPtr rocketAlarm;   // "sfx\geraet_agressive.wav": a rocket is coming (HUD)
  SoundPtr hpAlarm;       // "sfx\alarm2.wav": hit points low (HUD)
  SoundPtr getPoint;      // "sfx\getpoint.wav": a kill
  SoundPtr nextStage;     // "sfx\nextstage.wav": a stage condition met
  SoundPtr rocketFire;    // "sfx\rocketfire.wav": a rocket fired by hand
  SoundPtr doubleKill;    // "sfx\SFDoubleKill.wav"
  SoundPtr multiKill;     // "sfx\SFMultiKill.wav"
  SoundPtr bonsai;        // "sfx\BONSAI.WAV"
  SoundPtr evilLaugh;     // "sfx\ELAUGH.WAV"
};

ShellSounds& Sounds();
// Loads the nine effects from the "sfx" folder.
void LoadShellSounds();

}  // namespace tolvex
