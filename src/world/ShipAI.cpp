// How AI ships fly: enemies chase and leave, the wingman hunts, both decide on rockets.
#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Clock.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

// Beyond this an enemy faces its target at once instead of turning.
constexpr float kSnapDistance = 5000;
// Closer than this a ship does not turn (the heading would be noise).
constexpr float kNoTurnDistance = 10;

}  // namespace

void TShip::EnemyStep() {
  if (KI_Leave && Player) {
    LeaveBattle();
    return;
  }
  if (!KI_target) return;
  const float dist = Distance(X, Y, KI_target->X, KI_target->Y);
  const float heading = AngleTo(X, Y, KI_target->X, KI_target->Y);
  if (dist > kSnapDistance) Rotation = heading;
  else if (dist > kNoTurnDistance) TurnTowards(heading);
  if (dist > Enginespeed) Accelerate(1);
  KI_RocketFireRoutine();
}

void TShip::LeaveBattle() {
  TurnTowards(AngleTo(X, Y, Player->X, Player->Y) + 180);
  // Gone beyond the player's radar: the ship leaves the game without paying anything.
  if (Distance(X, Y, Player->X, Player->Y) > static_cast<float>(Player->HUD_RadarRange)) Remove();
  Accelerate(1);
}

void TShip::BuddyStep() {
  if (!KI_target) return;
  const float dist = Distance(X, Y, KI_target->X, KI_target->Y);
  if (dist > kNoTurnDistance) TurnTowards(AngleTo(X, Y, KI_target->X, KI_target->Y));
  if (dist > Enginespeed) Accelerate(1);
  KI_RocketFireRoutine();
}

void TShip::KI_RocketFireRoutine() {
  if (KI_NextRocketFire >= FrameClock) return;
  if (RocketAutoSelector()) {
    const int stock = Rockets[SelectedRockets];
    if (RandomInt(0, 5) < stock || RandomInt(0, 5) == 1) FireRocket();
  }
  KI_NextRocketFire = FrameClock + RandomInt(2000, 15000);
}

}  // namespace tolvex
