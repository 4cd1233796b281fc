#include "weapons/TGun.h"

#include <cmath>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "weapons/TRocket.h"
#include "weapons/TShot.h"
#include "weapons/WeaponImages.h"
#include "weapons/WorldWalk.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

// The bearing of a screen vector: 0 up, 90 right.
float Bearing(float dx, float dy) { return ATan2Deg(dx, -dy); }

// The ship a target object is, or null for anything else.
const TShip* AsShip(const TGObject* object) {
  return object && object->Kind() == ObjectKind::Ship ? static_cast<const TShip*>(object) : nullptr;
}

}  // namespace

TGunPtr TGun::Create(const std::shared_ptr<TShip>& ship, float x, float y, std::string_view gunId,
                     std::uint8_t KI) {
  TGunInfoPtr info = TGunInfo::Get(gunId);
  // An unknown gun type was already reported by Get; the mount stays empty.
  if (!ship || !info) return nullptr;
  auto gun = std::make_shared<TGun>();
  gun->Ship = ship;
  gun->Info = std::move(info);
  gun->Relative_x = x;
  gun->Relative_y = y;
  gun->KI_Level = KI;
  gun->Link = ship->TGunList.AddLast(gun);
  return gun;
}

float TGun::GetX() const {
  const auto ship = Ship.lock();
  if (!ship) return 0;
  return ship->X - Relative_x * CosDeg(ship->Rotation) - Relative_y * SinDeg(ship->Rotation);
}

float TGun::GetY() const {
  const auto ship = Ship.lock();
  if (!ship) return 0;
  return ship->Y - Relative_x * SinDeg(ship->Rotation) + Relative_y * CosDeg(ship->Rotation);
}

void TGun::Process() {
  const auto ship = Ship.lock();
  if (!ship || ship->Dead) {
    Remove();
    return;
  }
  if (Reloadstatus < 1) Reloadstatus += 1000.0f / static_cast<float>(Info->Reloadtime) / FrameRate;
  if (KI_Level == kGunManual) {
    KI_Human();
    return;
  }
  // Automatic turrets keep their angle and hold fire while the ship has no target.
  if (ship->KI_target) ProcessAutomatic(*ship);
}

void TGun::ProcessAutomatic(const TShip& ship) {
  const TGObject& target = *ship.KI_target;
  const TShip* targetShip = AsShip(&target);
  const float range = Info->Reichweite;
  switch (KI_Level) {
    case kGunDirect:
      if (KI_Aim1(target) < range) Fire();
      break;
    case kGunLead:
      if (targetShip && KI_Aim2Ship(*targetShip) < range) Fire();
      break;
    case kGunLeadOrNear:
      if (targetShip && KI_Aim2Ship(*targetShip) < range) Fire();
      else FireAtClosestShip(-1);
      break;
    case kGunAntiRocket:
      ProcessAntiRocket(targetShip);
      break;
    case kGunHeadingLead:
      if (KI_Aim3(target) < range) Fire();
      break;
    default:
      break;
  }
}

void TGun::ProcessAntiRocket(const TShip* target) {
  // Any hostile rocket in the world holds the turret, in range or not.
  if (const TRocket* rocket = KI_GetClosestRocket()) {
    if (KI_AimRocket(*rocket) < Info->Reichweite) Fire();
    return;
  }
  // Against ships the turret fires at its target inside a fixed 1000 px, whatever its range.
  if (target && KI_Aim2Ship(*target) < 1000) Fire();
  else FireAtClosestShip(50);
}

void TGun::FireAtClosestShip(float minDistance) {
  const TShip* closest = KI_GetClosestTarget();
  if (!closest) return;
  const float d = KI_Aim1(*closest);
  if (minDistance < d && d < Info->Reichweite) Fire();
}

float TGun::KI_Human() {
  const float mx = PointerX(), my = PointerY();
  Direction = Bearing(mx - static_cast<float>(GfxWidth / 2), my - static_cast<float>(GfxHeight / 2));
  return Distance(GetX(), GetY(), CameraX + mx, CameraY + my);
}

float TGun::KI_Aim1(const TGObject& target) {
  const auto ship = Ship.lock();
  const float dx = target.X - ship->X, dy = target.Y - ship->Y;
  Direction = Bearing(dx, dy);
  return std::sqrt(dx * dx + dy * dy);
}

float TGun::KI_Aim2Ship(const TShip& target) {
  const auto ship = Ship.lock();
  // Relative velocity, per 1/70 s, applied over times of flight in seconds as the turrets always did.
  const float vx = target.Speed_x - ship->Speed_x, vy = target.Speed_y - ship->Speed_y;
  float dx = target.X - ship->X, dy = target.Y - ship->Y;
  const float tau = std::sqrt(dx * dx + dy * dy) / Info->Speed;
  dx += vx * tau;
  dy += vy * tau;
  const float d = std::sqrt(dx * dx + dy * dy);
  const float tau2 = d / Info->Speed;
  Direction = Bearing(dx + vx * tau2, dy + vy * tau2);
  return d;
}

float TGun::KI_Aim3(const TGObject& target) {
  const auto ship = Ship.lock();
  float tx = target.X, ty = target.Y;
  float gx = GetX(), gy = GetY();
  const float d0 = Distance(tx, ty, gx, gy);
  float s = 0;
  // First pass: both move for the flight time of the distance; second: for its change.
  for (int pass = 0; pass < 2; ++pass) {
    s = Distance(tx, ty, gx, gy) - s;
    const float k = s / Info->Speed * 70;
    tx += SinDeg(target.Direction) * target.Speed * k;
    ty += CosDeg(target.Direction) * target.Speed * k;
    gx += SinDeg(ship->Direction) * ship->Speed * k;
    gy += CosDeg(ship->Direction) * ship->Speed * k;
  }
  Direction = ATan2Deg(tx - gx, gy - ty);
  return d0;
}

float TGun::KI_AimRocket(const TRocket& rocket) {
  const float dx = rocket.X - GetX(), dy = rocket.Y - GetY();
  Direction = Bearing(dx, dy) + RandomFloat(-0.5f, 0.5f);
  return std::sqrt(dx * dx + dy * dy);
}

float TGun::KI_AimRocket2(const TRocket& rocket) {
  const float gx = GetX(), gy = GetY();
  const float tau = Distance(rocket.X, rocket.Y, gx, gy) / Info->Speed;
  const float dx = rocket.X - gx + SinDeg(rocket.Direction) * rocket.Speed * tau;
  const float dy = rocket.Y - gy - CosDeg(rocket.Direction) * rocket.Speed * tau;
  Direction = Bearing(dx, dy);
  return std::sqrt(dx * dx + dy * dy);
}

TShip* TGun::KI_GetClosestTarget() const {
  const auto ship = Ship.lock();
  if (!ship) return nullptr;
  // Ties keep the earlier ship.
  return NearestShipTo(ship->X, ship->Y, [&](const TShip& other) { return &other != ship.get() && !ship->IsBuddy(&other); });
}

TRocket* TGun::KI_GetClosestRocket() const {
  const auto ship = Ship.lock();
  if (!ship) return nullptr;
  return NearestRocketTo(ship->X, ship->Y, [&](const TRocket& rocket) {
    const TShip* source = rocket.Source.get();
    return source != ship.get() && !(source && ship->IsBuddy(source));
  });
}

void TGun::Draw() {
  const auto ship = Ship.lock();
  if (!ship) return;
  if (Info->TurretImg) {
    SetAlpha(1);
    SetRotation(Direction);
    DrawImage(Info->TurretImg, GetX() - CameraX, GetY() - CameraY);
  }
  if (KI_Level == kGunManual && ship->KI_target && ship->AimHelp) DrawAimHelp(*ship);
}

void TGun::DrawAimHelp(const TShip& ship) {
  const TGObject& target = *ship.KI_target;
  const float d0 = Distance(target.X, target.Y, GetX(), GetY());
  if (d0 > Info->Reichweite) return;
  // Where to aim so the shot, which inherits the ship's drift, meets the target's present position.
  const float lead = d0 / Info->Speed * 70;
  const float px = target.X - SinDeg(ship.Direction) * ship.Speed * lead;
  const float py = target.Y - CosDeg(ship.Direction) * ship.Speed * lead;
  const float a = Bearing(px - ship.X, py - ship.Y);
  float r = Distance(px, py, ship.X, ship.Y);
  const float limit = static_cast<float>(GfxHeight / 3);
  const ImagePtr* marker = &AutoAimArrows[1];
  if (r > limit) {
    r = limit;
    marker = &AutoAimArrows[0];
  }
  SetRotation(0);
  if (*marker) DrawImage(*marker, ship.X - CameraX + SinDeg(a) * r, ship.Y - CameraY - CosDeg(a) * r);
}

void TGun::Shoot() {
  if (KI_Level == kGunManual) Fire();
}

void TGun::Fire() {
  if (Reloadstatus < 1) return;
  TShot::Create(shared_from_this());
  if (Info->FireSound) PlaySoundAt(Info->FireSound, static_cast<int>(GetX()), static_cast<int>(GetY()));
  Reloadstatus = 0;
}

void TGun::Remove() {
  if (Link) Link->Remove();
  Link = nullptr;
  Ship.reset();
}

}  // namespace tolvex
