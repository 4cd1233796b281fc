#include "core/ShellSounds.h"

namespace tolvex {

ShellSounds& Sounds() {
  static ShellSounds sounds;
  return sounds;
}

void LoadShellSounds() {
  auto& s = Sounds();
  s.rocketAlarm = LoadSound("sfx\\geraet_agressive.wav");
  s.hpAlarm = LoadSound("sfx\\alarm2.wav");
  s.getPoint = LoadSound("sfx\\getpoint.wav");
  s.nextStage = LoadSound("sfx\\nextstage.wav");
  s.rocketFire = LoadSound("sfx\\rocketfire.wav");
  s.doubleKill = LoadSound("sfx\\SFDoubleKill.wav");
  s.multiKill = LoadSound("sfx\\SFMultiKill.wav");
  s.bonsai = LoadSound("sfx\\BONSAI.WAV");
  s.evilLaugh = LoadSound("sfx\\ELAUGH.WAV");
}

}  // namespace tolvex
