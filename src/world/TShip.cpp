#include "world/TShip.h"

#include <cmath>

#include "core/Globals.h"
#include "effects/TParticleInfo.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "weapons/TGun.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

// A thrust ratio clamped to 0..1; "not greater than 0" also catches 0/0.
float ClampRatio(float ratio) {
  if (!(ratio > 0)) return 0;
  if (!(ratio < 1)) return 1;
  return ratio;
}

// Counts a bonus down by the frame; an exhausted bonus rests at 0.
void CountDownBonus(int& bonus) {
  if (bonus > 0) bonus -= FrameTime;
  else bonus = 0;
}

}  // namespace

TShip::TShip() : TGObject(ObjectKind::Ship) {}

TShipPtr TShip::New() {
  auto ship = std::make_shared<TShip>();
  ship->birthtime = FrameClock;
  ship->HUD_RadarRange = 5000;
  ship->MeltWithUniverse();
  ship->SetRocketCapacity(10);
  return ship;
}

void TShip::MeltWithUniverse() { Link = TUniverse::WorldList().AddFirst(shared_from_this()); }

void TShip::SetEngine(float power, float speed) {
  Enginepower = 2 * power;
  Enginespeed = speed;
  EngineAcc = Enginepower / (Mass * Enginespeed);
}

void TShip::Accelerate(float amount) { SpeedAcc += amount * 30 * Enginepower / Mass / FrameRate; }

void TShip::SideShift(float angle, float) { SpeedAccDirection = (SpeedAccDirection + angle) / 2; }

void TShip::UpdateSpeed() { Speed = std::sqrt(Speed_x * Speed_x + Speed_y * Speed_y); }

void TShip::Physics() {
  if (SpeedAcc != 0) {
    const float a = Rotation + SpeedAccDirection;
    const float sinA = SinDeg(a), cosA = CosDeg(a);
    const float rx = ClampRatio(Speed_x / (sinA * Enginespeed));
    const float ry = ClampRatio(Speed_y / (-cosA * Enginespeed));
    Speed_x += sinA * SpeedAcc * (1 - rx * rx);
    Speed_y -= cosA * SpeedAcc * (1 - ry * ry);
    UpdateSpeed();
    if (Speed > Enginespeed) {
      const float d = ATan2Deg(Speed_x, -Speed_y);
      Speed_x = SinDeg(d) * Enginespeed;
      Speed_y = -CosDeg(d) * Enginespeed;
    }
  } else {
    const float d = ATan2Deg(Speed_x, -Speed_y);
    UpdateSpeed();
    Speed -= 10 * Enginepower / Mass / FrameRate;
    if (!(Speed >= 0)) Speed = 0;
    Speed_x = SinDeg(d) * Speed;
    Speed_y = -CosDeg(d) * Speed;
  }
  X += Speed_x / FrameRate * 70;
  Y += Speed_y / FrameRate * 70;
  UpdateSpeed();
  Direction = ATan2Deg(Speed_x, Speed_y);
  SpeedAcc = 0;
  SpeedAccDirection = 0;
  CountDownBonus(BONUS_Doubledamage);
  CountDownBonus(BONUS_Shield);
  if (shieldhit != 0) {
    shieldhit -= 0.01f;
    if (shieldhit < 0) shieldhit = 0;
  }
}

void TShip::TurnTowards(float target) {
  const float k = 5 / Mass;
  const float pull = k * 100 / FrameRate;
  Rotation = ATan2Deg((1 - k) * SinDeg(Rotation) + pull * SinDeg(target),
                      (1 - k) * CosDeg(Rotation) + pull * CosDeg(target));
}

void TShip::Escape() {
  if (KI == kKIEnemy) KI_Leave = true;
  Enginespeed = 2 * Enginespeed + 30;
  EngineAcc = Enginepower / (Mass * Enginespeed);
}

void TShip::Steering() {
  KeepOrFindTarget();
  if (KI == kKIPlayer) PlayerStep();
  else if (KI == kKIEnemy) EnemyStep();
  else if (KI == kKIBuddy) BuddyStep();
  AutoReloadRockets();
  for (const auto& gun : TGunList) gun->Process();
  Physics();
  DropDeadBuddies();
  if (HP <= 0) Die();
}

void TShip::AutoReloadRockets() {
  for (int i = 0; i < 4; ++i) {
    if (RocketAutoReloadTime[i] > 0 && FrameClock - RocketLastAutoReload[i] > RocketAutoReloadTime[i]) {
      AddRocket(1, i);
      RocketLastAutoReload[i] = FrameClock;
    }
  }
}

void TShip::DropDeadBuddies() {
  BuddyList.RemoveIf([](const TShip& buddy) { return buddy.Dead != 0; });
}

void TShip::Die() {
  if (Explosion) Explosion->CreateParticle(X, Y, ATan2Deg(Speed_x, Speed_y), nullptr);
  else WriteDebugLine("Couldn't find explosion for ship");
  Remove();
}

void TShip::AddBuddy(const TShipPtr& other) {
  BuddyList.AddLast(other);
  other->BuddyList.AddLast(std::static_pointer_cast<TShip>(shared_from_this()));
}

bool TShip::IsBuddy(const TGObject* other) const {
  if (BuddyList.Empty()) return false;
  for (const auto& buddy : BuddyList)
    if (buddy.get() == other) return true;
  return false;
}

}  // namespace tolvex
