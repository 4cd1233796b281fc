#include "weapons/WorldWalk.h"

namespace tolvex {

namespace {

// The snapshot and the first world entry it was taken under. Both are held, so
// neither address can be reused by a new object while the snapshot stands.
// At namespace scope, so they outlive the world list at exit.
std::vector<TShipPtr> shipSnapshot;
TGObjectPtr snapshotFront;
std::uint64_t snapshotNumber = 0;

// Takes the snapshot anew; apart from the usual answer, so that answer stays a few instructions.
[[gnu::noinline]] const std::vector<TShipPtr>& RetakeShipSnapshot() {
  TGObjectPtr front = TUniverse::WorldList().First();
  shipSnapshot.clear();
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    if (object->Kind() != ObjectKind::Ship) break;
    shipSnapshot.push_back(std::static_pointer_cast<TShip>(object));
  }
  snapshotFront = std::move(front);
  ++snapshotNumber;
  return shipSnapshot;
}

// The rockets' positions as last taken, and the pass and rocket changes they were taken under.
struct Spots {
  std::vector<float> x, y;
  std::vector<TRocket*> rockets;
  std::uint64_t pass = 0, changes = 0;
  bool valid = false;
};
Spots spots;

}  // namespace

std::optional<RocketSpots> FlyingRocketSpots() {
  if (!TUniverse::InPass()) return std::nullopt;
  const std::uint64_t pass = TUniverse::PassNumber(), changes = TRocket::Changes();
  if (!spots.valid || spots.pass != pass || spots.changes != changes) {
    spots.x.clear(), spots.y.clear(), spots.rockets.clear();
    for (TRocket* rocket : TRocket::Flying()) {
      if (!rocket) continue;
      spots.x.push_back(rocket->X);
      spots.y.push_back(rocket->Y);
      spots.rockets.push_back(rocket);
    }
    spots.pass = pass, spots.changes = changes, spots.valid = true;
  }
  return RocketSpots{spots.x, spots.y, spots.rockets};
}

const std::vector<TShipPtr>& ShipsInWorld() {
  // Every shot asks, so the usual answer takes no share of the first entry.
  if (TUniverse::WorldList().FirstPointer() == snapshotFront.get()) return shipSnapshot;
  return RetakeShipSnapshot();
}

std::uint64_t ShipSnapshotNumber() {
  ShipsInWorld();
  return snapshotNumber;
}

}  // namespace tolvex
