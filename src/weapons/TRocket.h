#pragma once
// A guided rocket: searches a target, turns towards it at a limited rate and explodes on it.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Image.h"
#include "platform/Overlap.h"
#include "world/TGObject.h"

namespace tolvex {

class TParticleInfo;
class TShip;
class TRocket;
using TRocketPtr = std::shared_ptr<TRocket>;

class TRocket : public TGObject {
 public:
  TRocket() : TGObject(ObjectKind::Rocket) {}
  ~TRocket() override;

  ImagePtr Image;
  std::uint8_t blendmode = 0;
  // Speed above which the rocket stops accelerating, px/s.
  float MaxSpeed = 0;
  // Remaining lifetime, ms.
  int LiveTime = 0;
  float HP = 0;
  // Turn rate, degrees per second.
  float Turntime = 0;
  // Base search delay and the ms left until the rocket may pick a target.
  int searchtime = 0;
  int searchtimecounter = 0;
  float Damage = 0;
  bool DoubleDamage = false;
  // Rocket kind 0–3.
  std::uint8_t Typ = 0;
  std::shared_ptr<TParticleInfo> antrieb;
  std::shared_ptr<TParticleInfo> explosion;
  // Guidance level 1–3.
  std::uint8_t SKI = 0;
  // The ship credited with the rocket.
  std::shared_ptr<TShip> Source;
  std::shared_ptr<TShip> Target;

  // Launches a rocket of kind typ at the source's position.
  static TRocketPtr Create(const TGObjectPtr& source, float direction, float speed,
                           const std::shared_ptr<TShip>& target, std::uint8_t typ);

  // Search, guidance, speed-up, movement, exhaust, lifetime.
  void Steering() override;
  void Draw() override;
  // Kind, hit points, lifetime and target for a state dump.
  void Describe(nlohmann::json& out) const override;
  // Shots reduce the rocket's hit points.
  void DealDamage(float amount) override;
  // Enters the world at the back and joins the list of flying rockets.
  void MeltWithUniverse() override;
  // Leaves the world and the list of flying rockets.
  void Remove() override;
  // Explodes on the target when the sprites touch.
  void TargetHitCheck();

  // The sprite placed where hit tests see it now, worked out once for all the shots that test
  // it in a frame. Only for a rocket with an Image.
  const PlacedImage& HitImage() const { return hitImage_.Place(Image, HitPlacement(X, Y, Direction)); }
  // How far the sprite reaches from the rocket's position: no pixel of it lies farther.
  float HitReach() const { return hitReach_; }

  // Every rocket in the world, in world-list order (hit tests walk these, not the
  // whole world); a slot of a rocket that left is null until the next launch compacts it.
  static const std::vector<TRocket*>& Flying();
  // How many rockets have entered the world so far.
  static std::uint64_t Launches();
  // Changes whenever a rocket enters the world, leaves it or steers (and so may have moved).
  static std::uint64_t Changes();

 private:
  void Search();
  void Guide();
  float AimPointHeading() const;
  void TurnTowards(float heading);
  float hitReach_ = 0;
  mutable PlacedImageCache hitImage_;
};

}  // namespace tolvex
