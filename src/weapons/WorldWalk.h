#pragma once
// Fast walks over the ships and the rockets of the world, in world-list order.
// Ships always enter the world list at the front, so they form its head and a
// new ship always changes the list's first entry: the ships are kept in a
// snapshot that is rebuilt only when that first entry changes, and walks skip
// ships removed since. Rockets are walked through their own list of flying
// rockets. Both walks stay free of allocation and reference counting.
// A visitor that changes the world must end the walk (return true).
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/FourLanes.h"
#include "weapons/ShotBroadPhase.h"
#include "weapons/TRocket.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

// Squared distance, for comparisons that need no square root.
inline float SquaredDistance(float x1, float y1, float x2, float y2) {
  const float dx = x1 - x2, dy = y1 - y2;
  return dx * dx + dy * dy;
}

// SquaredDistance from (x, y) of the four positions (xs[i], ys[i]) side by side, each lane taken
// as SquaredDistance takes it.
inline Lanes SquaredDistances(const float* xs, const float* ys, float x, float y) {
  Lanes px, py;
  std::memcpy(&px, xs, sizeof px);
  std::memcpy(&py, ys, sizeof py);
  const Lanes dx = px - x, dy = py - y;
  return dx * dx + dy * dy;
}

// True while the object is in the world list.
inline bool InWorld(const TGObject& object) { return object.Link && object.Link->Linked(); }

// The snapshot of the ships behind ShipsInWorld(). Its usual answer is inline: every shot asks.
class ShipSnapshot {
 public:
  static const std::vector<TShipPtr>& Ships() {
    if (TUniverse::WorldList().FirstPointer() == front_.get()) return ships_;
    return Retake();
  }
  static std::uint64_t Number() {
    Ships();
    return number_;
  }

 private:
  // Takes the snapshot anew; apart from the usual answer, so that answer stays a few instructions.
  [[gnu::noinline]] static const std::vector<TShipPtr>& Retake();
  // The snapshot and the first world entry it was taken under. Both are held, so neither
  // address can be reused by a new object while the snapshot stands. Constant-initialised,
  // so they outlive the world list at exit.
  inline static std::vector<TShipPtr> ships_;
  inline static TGObjectPtr front_;
  inline static std::uint64_t number_ = 0;
};

// The ships at the head of the world list, newest first; some may have left since.
inline const std::vector<TShipPtr>& ShipsInWorld() { return ShipSnapshot::Ships(); }
// Changes whenever ShipsInWorld() is taken anew (its indices then mean other ships).
inline std::uint64_t ShipSnapshotNumber() { return ShipSnapshot::Number(); }

// Calls visit(TShip&) for every ship in the world until it returns true.
template <class Visit>
void ForEachShip(Visit&& visit) {
  const std::vector<TShipPtr>& ships = ShipsInWorld();
  for (const TShipPtr& ship : ships) {
    if (!InWorld(*ship)) continue;
    if (visit(*ship)) return;
  }
}

// Calls visit(TRocket&) for every rocket in the world until it returns true.
template <class Visit>
void ForEachRocket(Visit&& visit) {
  const auto& rockets = TRocket::Flying();
  for (std::size_t i = 0; i < rockets.size(); ++i) {
    TRocket* rocket = rockets[i];
    if (!rocket || !InWorld(*rocket)) continue;
    if (visit(*rocket)) return;
  }
}

// Of the candidates offered to it in order, keeps the first of the strictly nearest that are in
// the world and wanted: a candidate is kept only when it is closer than the one kept. Distances
// come first, so whether an object is in the world and wanted is asked only of one that would be kept.
template <class T>
class NearestKeeper {
 public:
  template <class Wanted>
  void Offer(T* object, float squaredDistance, Wanted& wanted) {
    if (closest_ && !(squaredDistance < best_)) return;
    if (!InWorld(*object) || !wanted(*object)) return;
    closest_ = object, best_ = squaredDistance;
  }
  // False when none of four candidates at these squared distances could be kept.
  bool AnyCloser(Lanes squaredDistances) const { return !closest_ || LaneBits(squaredDistances < best_) != 0; }
  T* Closest() const { return closest_; }

 private:
  T* closest_ = nullptr;
  float best_ = 0;
};

// The first of the strictly nearest of `count` candidates to (x, y) that are in the world and that
// `wanted` accepts (see NearestKeeper). Candidate i is objectAt(i) (null: skipped), standing where
// positionOf(i, object) says.
template <class ObjectAt, class PositionOf, class Wanted>
auto* NearestOf(std::size_t count, ObjectAt&& objectAt, PositionOf&& positionOf, float x, float y, Wanted&& wanted) {
  NearestKeeper<std::remove_pointer_t<decltype(objectAt(std::size_t{0}))>> nearest;
  for (std::size_t i = 0; i < count; ++i) {
    const auto object = objectAt(i);
    if (!object) continue;
    const auto [ox, oy] = positionOf(i, *object);
    nearest.Offer(object, SquaredDistance(ox, oy, x, y), wanted);
  }
  return nearest.Closest();
}

// NearestOf over a list of objects (or pointers to them), each where it stands itself.
template <class Slots, class Wanted>
auto* NearestIn(const Slots& list, float x, float y, Wanted&& wanted) {
  return NearestOf(
      list.size(), [&](std::size_t i) { return std::to_address(list[i]); },
      [](std::size_t, const auto& object) { return std::pair{object.X, object.Y}; }, x, y, wanted);
}

// The flying rockets in world-list order with their positions side by side, for the turrets'
// nearest-rocket search: taken once in a world pass and kept while no rocket enters, leaves or
// steers (every ship, and so every turret, steers before the first rocket moves). Nothing
// outside a pass, where anything may have moved a rocket: walk TRocket::Flying() then.
struct RocketSpots {
  std::span<const float> x, y;
  std::span<TRocket* const> rockets;
};
std::optional<RocketSpots> FlyingRocketSpots();

// The nearest ship, and the nearest rocket, to (x, y) that `wanted` accepts (see NearestIn).
template <class Wanted>
TShip* NearestShipTo(float x, float y, Wanted&& wanted) {
  return NearestIn(ShipsInWorld(), x, y, wanted);
}
template <class Wanted>
TRocket* NearestRocketTo(float x, float y, Wanted&& wanted) {
  const auto spots = FlyingRocketSpots();
  if (!spots) return NearestIn(TRocket::Flying(), x, y, wanted);
  // Every turret searches all rockets each frame, and once one is kept few come closer: the
  // distances are taken four at a time, and four are looked at one by one only when one of
  // them is closer than the one kept. Those skipped would all have been passed over.
  const std::size_t count = spots->rockets.size(), blocks = count / 4 * 4;
  NearestKeeper<TRocket> nearest;
  for (std::size_t i = 0; i < blocks; i += 4) {
    const Lanes d = SquaredDistances(&spots->x[i], &spots->y[i], x, y);
    if (!nearest.AnyCloser(d)) continue;
    for (std::size_t lane = 0; lane < 4; ++lane) nearest.Offer(spots->rockets[i + lane], d[lane], wanted);
  }
  for (std::size_t i = blocks; i < count; ++i) {
    nearest.Offer(spots->rockets[i], SquaredDistance(spots->x[i], spots->y[i], x, y), wanted);
  }
  return nearest.Closest();
}

// As ForEachShip, but only for the ships a shot at `spot` reaching `length` from there could
// touch (see ShotBroadPhase.h).
template <class Visit>
void ForEachShipNearShot(const ShotSpot& spot, float length, Visit&& visit) {
  const auto near = ShipsNearShot(spot);
  if (!near) return ForEachShip(visit);
  const std::vector<TShipPtr>& ships = ShipsInWorld();
  for (const ProximityGrid::Thing& thing : *near) {
    if (!thing.Reaches(spot.x, spot.y, length)) continue;
    TShip& ship = *ships[static_cast<std::size_t>(thing.index)];
    if (!InWorld(ship)) continue;
    if (visit(ship)) return;
  }
}

// As ForEachRocket, but only for the rockets a shot at `spot` whose sprite reaches
// `spriteReach` from there could touch.
template <class Visit>
void ForEachRocketNearShot(const ShotSpot& spot, float spriteReach, Visit&& visit) {
  const auto near = RocketsNearShot(spot);
  if (!near) return ForEachRocket(visit);
  const auto& rockets = TRocket::Flying();
  for (const ProximityGrid::Thing& thing : *near) {
    if (!thing.Reaches(spot.x, spot.y, spriteReach)) continue;
    TRocket* rocket = rockets[static_cast<std::size_t>(thing.index)];
    if (!rocket || !InWorld(*rocket)) continue;
    if (visit(*rocket)) return;
  }
}

}  // namespace tolvex
