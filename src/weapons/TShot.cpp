#include "weapons/TShot.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/SlotPool.h"
#include "effects/RotatedSprites.h"
#include "effects/TParticleInfo.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Overlap.h"
#include "weapons/KillCredit.h"
#include "weapons/WeaponImages.h"
#include "weapons/WorldWalk.h"
#include "world/TShip.h"

namespace tolvex {

TShotPtr TShot::Create(const TGunPtr& gun) {
  const auto ship = gun->Ship.lock();
  auto shot = MakePooled<TShot>();
  shot->Source = gun;
  shot->SourceInfo = gun->Info;
  shot->Damage = gun->Info->Damage;
  if (ship && ship->BONUS_Doubledamage != 0) {
    shot->Damage *= 2;
    shot->doubleDamage = true;
  }
  shot->LiveTime = gun->Info->LiveTime;
  shot->Direction = gun->Direction;
  if (ship) {
    shot->Strafe_x = ship->Speed_x;
    shot->Strafe_y = ship->Speed_y;
  }
  shot->X = gun->GetX();
  shot->Y = gun->GetY();
  shot->Speed = gun->Info->Speed;
  shot->MeltWithUniverse();
  return shot;
}

void TShot::TakeHeading() {
  // A shot keeps its heading for life: its sine and cosine need not cost every frame.
  if (std::bit_cast<std::uint32_t>(Direction) == std::bit_cast<std::uint32_t>(headingOf_)) return;
  headingOf_ = Direction;
  headingSin_ = SinDeg(Direction);
  headingCos_ = CosDeg(Direction);
}

const PlacedImage& TShot::FrameSprite::Placed() {
  if (!placed_) {
    shot_.TakeHeading();
    placed_.emplace(*shot_.SourceInfo->ShotImg, HitPlacement(shot_.X, shot_.Y, shot_.Direction),
                    PlacedImage::Turn{shot_.headingCos_, shot_.headingSin_});
  }
  return *placed_;
}

void TShot::Move() {
  TakeHeading();
  // Own speed in px/s plus the firer's drift, which is in px per 1/70 s.
  X += headingSin_ * SourceInfo->Speed / FrameRate + Strafe_x / FrameRate * 70;
  Y += -headingCos_ * SourceInfo->Speed / FrameRate + Strafe_y / FrameRate * 70;
}

void TShot::Steering() {
  Move();
  LiveTime -= FrameTime;
  // An expired shot leaves the world but still takes this frame's hits.
  if (LiveTime < 0) Remove();
  const auto firer = Source->Ship.lock();
  if (!firer) return;
  const ShotSpot spot = ShotSpotAt(X, Y);
  FrameSprite sprite(*this);
  HitShips(*firer, spot, sprite);
  HitRockets(*firer, spot, sprite);
}

void TShot::HitShips(TShip& firer, const ShotSpot& spot, FrameSprite& sprite) {
  const float length = static_cast<float>(SourceInfo->ShotImgLength);
  ForEachShipNearShot(spot, length, [&](TShip& ship) {
    if (&ship == &firer) return false;
    const float reach = static_cast<float>(ship.ImageRadius) + length;
    if (SquaredDistance(X, Y, ship.X, ship.Y) >= reach * reach) return false;
    return !firer.IsBuddy(&ship) && TargetHitCheck(ship, sprite);
  });
}

void TShot::HitRockets(const TShip& firer, const ShotSpot& spot, FrameSprite& sprite) {
  const float reach = static_cast<float>(SourceInfo->ShotImgLength) + 100;
  // The shot sprite lies within its diagonal of the shot's position; 2 px more cover truncation.
  const float spriteReach = static_cast<float>(SourceInfo->ShotImgRadius) + 2;
  ForEachRocketNearShot(spot, spriteReach, [&](TRocket& rocket) {
    const TShip* source = rocket.Source.get();
    if (source == &firer) return false;
    const float d2 = SquaredDistance(X, Y, rocket.X, rocket.Y);
    if (d2 >= reach * reach) return false;
    // Sprites whose reach circles do not meet cannot overlap: skip the pixel test.
    const float touch = spriteReach + rocket.HitReach();
    if (d2 >= touch * touch) return false;
    return !(source && firer.IsBuddy(source)) && RocketHitCheck(rocket, sprite);
  });
}

bool TShot::TargetHitCheck(TShip& ship, FrameSprite& sprite) {
  // A ship at exactly 0 hit points can still be hit.
  if (ship.HP < 0 || !SourceInfo->ShotImg || !ship.Image) return false;
  if (!ImagesOverlap(sprite.Placed(), ship.HitImage())) {
    return false;
  }
  const float length = static_cast<float>(SourceInfo->ShotImgLength);
  if (SourceInfo->ShotExplosion) {
    SourceInfo->ShotExplosion->CreateParticle(X + SinDeg(Direction) * length, Y - CosDeg(Direction) * length,
                                              Direction, nullptr);
  }
  if (SourceInfo->HitSound) PlaySoundAt(SourceInfo->HitSound, static_cast<int>(X), static_cast<int>(Y));
  const auto firer = Source->Ship.lock();
  if (firer) firer->AddHP(Damage / 10 / ship.armor);
  LiveTime = -1;
  ship.DealDamage(Damage);
  if (firer && ship.HP <= 0) CreditKill(*firer, ship);
  ship.Speed_x += SinDeg(Direction) * Damage / ship.Mass * 10;
  ship.Speed_y -= CosDeg(Direction) * Damage / ship.Mass * 10;
  return true;
}

void TShot::CreditKill(TShip& firer, TShip& victim) {
  const auto fallen = std::static_pointer_cast<TShip>(victim.shared_from_this());
  if (!FirstCreditFor(fallen)) return;
  firer.AddKill(fallen);
  if (&firer == Player.get()) fallen->GiveRewards();
}

bool TShot::RocketHitCheck(TRocket& rocket, FrameSprite& sprite) {
  if (rocket.HP < 0 || !SourceInfo->ShotImg || !rocket.Image) return false;
  if (!ImagesOverlap(sprite.Placed(), rocket.HitImage())) {
    return false;
  }
  if (SourceInfo->ShotExplosion) SourceInfo->ShotExplosion->CreateParticle(X, Y, Direction, nullptr);
  rocket.DealDamage(Damage);
  return true;
}

void TShot::Draw() {
  if (!IsOnScreen(X, Y, SourceInfo->ShotImgRadius) || !SourceInfo->ShotImg) return;
  SetRotation(Direction);
  SetBlend(kBlendLight);
  // Long-lived shots fade over their last 200 ms, short-lived ones over their last twentieth.
  const int life = SourceInfo->LiveTime;
  const float fade = life > 200 ? 200.0f : std::max(static_cast<float>(life) / 20, 1.0f);
  SetAlpha(std::clamp(static_cast<float>(LiveTime) / fade, 0.0f, 1.0f));
  if (doubleDamage) {
    SetAlpha(1);
    SetColor(255, 100, 100);
    if (ShineImage) DrawImage(ShineImage, X - CameraX, Y - CameraY);
    SetColor(255, 255, 255);
  }
  // On the software renderer a shot is copied from its sprite turned ahead in whole degrees:
  // turning it per draw would cost more than everything else the shot does in a frame.
  static RotatedSprites turns;
  if (!DrawTurned(turns, SourceInfo->ShotImg, X - CameraX, Y - CameraY)) {
    DrawImage(SourceInfo->ShotImg, X - CameraX, Y - CameraY);
  }
  SetAlpha(1);
}

}  // namespace tolvex
