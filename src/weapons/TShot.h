#pragma once
// A turret's shot: flies straight with the firer's drift, hits ships and damages rockets.
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>

#include "platform/Overlap.h"
#include "weapons/ShotBroadPhase.h"
#include "weapons/TGun.h"
#include "weapons/TGunInfo.h"
#include "world/TGObject.h"

namespace tolvex {

class TShip;
class TRocket;
class TShot;
using TShotPtr = std::shared_ptr<TShot>;

class TShot : public TGObject {
 public:
  TShot() : TGObject(ObjectKind::Shot) {}

  // The gun that fired the shot, and its type.
  TGunPtr Source;
  TGunInfoPtr SourceInfo;
  // Remaining lifetime in ms.
  int LiveTime = 0;
  int BornTime = 0;
  float Damage = 0;
  // Fired under a double-damage bonus.
  bool doubleDamage = false;
  // The firing ship's velocity when the shot left the gun, pixels per 1/70 s.
  float Strafe_x = 0, Strafe_y = 0;

  // Fires one shot from the gun into the world.
  static TShotPtr Create(const TGunPtr& gun);

  // Moves, ages and tests hits against ships and rockets.
  void Steering() override;
  // Fading sprite, with a shine under double damage.
  void Draw() override;
  // The gun type, lifetime and damage for a state dump.
  void Describe(nlohmann::json& out) const override;

 private:
  // The shot's sprite placed for the pixel tests of one frame: worked out on the first test
  // that gets that far, then shared by every ship and rocket the shot meets in the frame, as
  // the shot stands still while it tests them.
  class FrameSprite {
   public:
    explicit FrameSprite(TShot& shot) : shot_(shot) {}
    const PlacedImage& Placed();

   private:
    TShot& shot_;
    std::optional<PlacedImage> placed_;
  };

  // The heading's sine and cosine, taken anew only when the heading changes.
  void TakeHeading();
  void Move();
  void HitShips(TShip& firer, const ShotSpot& spot, FrameSprite& sprite);
  void HitRockets(const TShip& firer, const ShotSpot& spot, FrameSprite& sprite);
  // Pixel-exact hit on a ship, with heal, damage, kill credit, rewards and push.
  bool TargetHitCheck(TShip& ship, FrameSprite& sprite);
  // Pixel-exact hit on a rocket; the shot flies on.
  bool RocketHitCheck(TRocket& rocket, FrameSprite& sprite);
  // Books the kill for the firer and, for the player, pays the victim's rewards.
  void CreditKill(TShip& firer, TShip& victim);
  float headingOf_ = std::numeric_limits<float>::quiet_NaN();
  float headingSin_ = 0, headingCos_ = 1;
};

}  // namespace tolvex
