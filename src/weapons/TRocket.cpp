#include "weapons/TRocket.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "effects/TParticleInfo.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Overlap.h"
#include "weapons/KillCredit.h"
#include "weapons/WeaponImages.h"
#include "weapons/WorldWalk.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

// The fixed values of one rocket kind.
struct RocketKind {
  std::uint8_t blendmode;
  float MaxSpeed;
  int LiveTime;
  float HP;
  float Turntime;
  int searchtime;
  float Damage;
  const char* antrieb;
  const char* explosion;
  std::uint8_t SKI;
};

constexpr std::array<RocketKind, 4> kRocketKinds{{
    {kBlendLight, 800, 30000, 5, 198, 150, 30, "RAntrieb0", "RocketPlasmaExpl", 1},
    {kBlendAlpha, 900, 50000, 15, 90, 300, 60, "RAntrieb1", "Rocket1Explosion", 2},
    // The heavy rocket turns at the single-precision value just above 54.
    {kBlendAlpha, 1600, 30000, 30, 54.000004f, 300, 350, "RAntrieb1", "Explosion", 3},
    {kBlendLight, 1000, 30000, 50, 360, 300, 15, "RAntrieb3", "RocketPlasmaExpl", 3},
}};

// At namespace scope, so it is built before the world list and outlives the rockets in it at exit.
std::vector<TRocket*> flyingRockets;

std::vector<TRocket*>& FlyingSlots() { return flyingRockets; }
std::uint64_t launches = 0;
std::uint64_t changes = 0;

void ForgetFlying(const TRocket* rocket) {
  ++changes;
  auto& slots = FlyingSlots();
  std::replace(slots.begin(), slots.end(), const_cast<TRocket*>(rocket), static_cast<TRocket*>(nullptr));
}


// The distance from an image's handle to its farthest corner.
float ReachOf(const ImagePtr& image) {
  if (!image) return 0;
  const float dx = std::max(image->HandleX(), static_cast<float>(image->Width()) - image->HandleX());
  const float dy = std::max(image->HandleY(), static_cast<float>(image->Height()) - image->HandleY());
  return std::sqrt(dx * dx + dy * dy);
}

void StartEffect(const std::shared_ptr<TParticleInfo>& effect, float x, float y, float direction) {
  if (effect) effect->CreateParticle(x, y, direction, nullptr);
}

}  // namespace

TRocket::~TRocket() { ForgetFlying(this); }

const std::vector<TRocket*>& TRocket::Flying() { return FlyingSlots(); }
std::uint64_t TRocket::Launches() { return launches; }
std::uint64_t TRocket::Changes() { return changes; }

TRocketPtr TRocket::Create(const TGObjectPtr& source, float direction, float speed,
                           const std::shared_ptr<TShip>& target, std::uint8_t typ) {
  auto rocket = std::make_shared<TRocket>();
  if (typ < RocketImages.size()) rocket->Image = RocketImages[typ];
  rocket->hitReach_ = ReachOf(rocket->Image);
  if (source && source->Kind() == ObjectKind::Ship) rocket->Source = std::static_pointer_cast<TShip>(source);
  if (source) {
    rocket->X = source->X;
    rocket->Y = source->Y;
  }
  rocket->Direction = direction;
  rocket->Speed = speed;
  rocket->Target = target;
  rocket->MeltWithUniverse();
  rocket->Typ = typ;
  if (typ < kRocketKinds.size()) {
    const RocketKind& kind = kRocketKinds[typ];
    rocket->blendmode = kind.blendmode;
    rocket->MaxSpeed = kind.MaxSpeed;
    rocket->LiveTime = kind.LiveTime;
    rocket->HP = kind.HP;
    rocket->Turntime = kind.Turntime;
    rocket->searchtime = kind.searchtime;
    rocket->Damage = kind.Damage;
    rocket->antrieb = TParticleInfo::Get(kind.antrieb);
    rocket->explosion = TParticleInfo::Get(kind.explosion);
    rocket->SKI = kind.SKI;
  }
  if (rocket->Source && rocket->Source->BONUS_Doubledamage != 0) {
    rocket->DoubleDamage = true;
    rocket->Damage *= 2;
    rocket->HP *= 2;
  }
  rocket->searchtimecounter = rocket->searchtime;
  return rocket;
}

void TRocket::MeltWithUniverse() {
  auto& slots = FlyingSlots();
  std::erase(slots, nullptr);
  TGObject::MeltWithUniverse();
  slots.push_back(this);
  ++launches;
  ++changes;
}

void TRocket::Remove() {
  if (Link) ForgetFlying(this);
  TGObject::Remove();
}

void TRocket::DealDamage(float amount) { HP -= amount; }

void TRocket::Steering() {
  ++changes;
  if (Target && Target->Dead) Target = nullptr;
  // The target's rocket alarm counts every rocket after it, frame by frame.
  if (Target) Target->Rocketcounter += 1;
  if (searchtimecounter > 0) {
    searchtimecounter -= FrameTime;
    if (searchtimecounter <= 0 && !Target) Search();
  } else if (Target && SKI > 0) {
    Guide();
  } else if (!Target) {
    searchtimecounter = RandomInt(2 * searchtime, 3 * searchtime);
  }
  if (Speed < MaxSpeed) Speed += 1000 / FrameRate;
  X += SinDeg(Direction) * Speed / FrameRate;
  Y -= CosDeg(Direction) * Speed / FrameRate;
  StartEffect(antrieb, X - SinDeg(Direction) * 10, Y + CosDeg(Direction) * 10, Direction);
  LiveTime -= FrameTime;
  if (LiveTime <= 0) HP = 0;
  if (HP <= 0) {
    StartEffect(TParticleInfo::Get("LittleExplosion"), X, Y, 0);
    Remove();
  }
}

void TRocket::Search() {
  const TShip* source = Source.get();
  TShip* closest = NearestShipTo(X, Y, [&](const TShip& ship) { return &ship != source && !(source && source->IsBuddy(&ship)); });
  if (closest) Target = std::static_pointer_cast<TShip>(closest->shared_from_this());
  // A nearly motionless player draws every newly searching rocket not credited to it.
  if (Player && Player.get() != source && !Player->Dead && Player->Speed < 0.5f) Target = Player;
}

float TRocket::AimPointHeading() const {
  float tx = Target->X, ty = Target->Y;
  if (SKI >= 3) {
    // Two passes of lead: the time of flight of the distance, then of its change.
    float rx = X, ry = Y, s = 0;
    for (int pass = 0; pass < 2; ++pass) {
      s = Distance(tx, ty, rx, ry) - s;
      const float k = s / Speed;
      tx += SinDeg(Target->Direction) * Target->Speed * k;
      ty += CosDeg(Target->Direction) * Target->Speed * k;
      rx += SinDeg(Direction) * Speed * k;
      ry += CosDeg(Direction) * Speed * k;
    }
  }
  return std::fmod(AngleTo(X, Y, tx, ty) + 360, 360.0f);
}

void TRocket::TurnTowards(float a) {
  // Direction may be negative after a left turn past 0; the distances still come out right.
  float cw = 0, ccw = 0;
  if (Direction > a) {
    cw = std::fmod(std::fabs(360 - Direction + a), 360.0f);
    ccw = std::fmod(std::fabs(Direction - a), 360.0f);
  } else if (Direction < a) {
    cw = std::fmod(std::fabs(a - Direction), 360.0f);
    ccw = std::fmod(std::fabs(360 - a + Direction), 360.0f);
  }
  const float step = Turntime / FrameRate;
  if (cw < step || ccw < step) return;
  Direction = std::fmod(cw <= ccw ? Direction + step : Direction - step, 360.0f);
}

void TRocket::Guide() {
  TurnTowards(AimPointHeading());
  TargetHitCheck();
}

void TRocket::TargetHitCheck() {
  if (!Target) return;
  TShip& target = *Target;
  if (Distance(X, Y, target.X, target.Y) >= static_cast<float>(target.ImageRadius)) return;
  if (!Image || !target.Image ||
      !ImagesOverlap(PlacedImage(*Image, HitPlacement(X, Y, Direction)), target.HitImage())) {
    return;
  }
  StartEffect(explosion, X, Y, 0);
  LiveTime = -1;
  if (Source) Source->AddHP(Damage / 10 / target.armor);
  target.DealDamage(Damage);
  // Rockets credit a kill only below 0 hit points (shots already at 0).
  if (Source && target.HP < 0 && FirstCreditFor(Target)) {
    Source->AddKill(Target);
    if (Source == Player) target.GiveRewards();
  }
  target.Speed_x += SinDeg(Direction) * 500 / target.Mass;
  target.Speed_y -= CosDeg(Direction) * 500 / target.Mass;
}

void TRocket::Draw() {
  if (!IsOnScreen(X, Y, 17)) return;
  SetRotation(Direction);
  if (DoubleDamage) {
    SetBlend(kBlendLight);
    SetColor(255, 100, 100);
    if (ShineImage) DrawImage(ShineImage, X - CameraX, Y - CameraY);
    SetColor(255, 255, 255);
  }
  SetBlend(blendmode);
  SetAlpha(1);
  if (Image) DrawImage(Image, X - CameraX, Y - CameraY);
  SetScale(1, 1);
}

}  // namespace tolvex
