// The two alarms of the HUD: rockets homing on the ship, and hit points running low. Each repeats
// its sound back to back while it lasts; the text flashes up whenever the sound restarts and fades
// over about 0.8 s.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/ShellSounds.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Sound.h"
#include "ui/GameFonts.h"
#include "weapons/WeaponImages.h"
#include "weapons/WorldWalk.h"
#include "world/HudImages.h"
#include "world/HudRecord.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

constexpr float kAlarmScale = 1.5f;
// Each alarm plays on a channel of its own that no other effect takes over: when its sound ends,
// the next shot of the fight cannot make the alarm look as if it were still playing.
constexpr Channel kRocketAlarmChannel = 0, kHpAlarmChannel = 1;
static_assert(kHpAlarmChannel < kReservedChannels);
// Rockets seen this long ago still keep the rocket alarm on, ms.
constexpr int kRocketAlarmHold = 500;

// The alarm text centred across the screen at height y; `label` is the part it is centred by.
void DrawAlarmText(std::string_view label, std::string_view text, float y, float alpha) {
  SelectFont(GameFont3);
  SetScale(kAlarmScale, kAlarmScale);
  SetAlpha(alpha);
  SetBlend(kBlendLight);
  DrawHudText(text, (static_cast<float>(GfxWidth) - kAlarmScale * TextWidth(label)) / 2, y);
}

void FadeAlarmText(float& renew) {
  if (renew > 0) renew = std::max(0.0f, renew - 1.2f / FrameRate);
}

// Starts the alarm's sound again on its own channel once it has finished, at twice the effect
// volume, and flashes the text up with it. A game without sound flashes the text again once it has
// faded out, as if the sound had ended: restarting every frame would keep the blinking signs dark.
void RenewAlarmSound(Channel& channel, Channel own, const SoundPtr& sound, float& renew) {
  if (channel >= 0 && IsChannelPlaying(channel)) return;
  channel = PlaySoundOn(own, sound);
  if (channel < 0 && renew > 0) return;
  SetChannelVolume(channel, SfxVolume * 2);
  renew = 1;
}

}  // namespace

void TShip::CheckAndDrawRocketAlarm(float x, float y) {
  const int now = ClockMs();
  if (Rocketcounter != 0) LastRocketCounter = now;
  if (now >= LastRocketCounter + kRocketAlarmHold) return;
  HudShown().rocketAlarm = true;
  constexpr std::string_view label = "!!! ROCKETALARM !!! incoming: ";
  SetColor(255, 255, 255);
  DrawAlarmText(label, std::string(label) + std::to_string(Rocketcounter), 70, RocketAlarmRenew);
  // The signs blink twice per fade of the text.
  SetAlpha(std::fmod(RocketAlarmRenew, 0.5f) * 2);
  ForEachRocket([&](const TRocket& rocket) {
    if (rocket.Target.get() != this) return false;
    const float a = AngleTo(X, Y, rocket.X, rocket.Y);
    SetRotation(a);
    DrawImage(HudImages.rocketAlarmSign, x + 150 * SinDeg(a), y - 150 * CosDeg(a));
    return false;
  });
  SetRotation(0);
  FadeAlarmText(RocketAlarmRenew);
  RenewAlarmSound(HUD_Alarmchannel, kRocketAlarmChannel, Sounds().rocketAlarm, RocketAlarmRenew);
}

void TShip::CheckAndDrawHpAlarm() {
  if (!(HP <= 0.3f * HP_max)) return;
  HudShown().hpAlarm = true;
  constexpr std::string_view text = "!!! HP Level Low !!!";
  SetColor(255, 255, 100);
  DrawAlarmText(text, text, 50, HPAlarmRenew);
  FadeAlarmText(HPAlarmRenew);
  RenewAlarmSound(HUD_Alarmchannel2, kHpAlarmChannel, Sounds().hpAlarm, HPAlarmRenew);
}

}  // namespace tolvex
