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

}  // namespace

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
