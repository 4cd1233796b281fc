#include "weapons/WorldWalk.h"

namespace tolvex {

const std::vector<TShipPtr>& ShipSnapshot::Retake() {
  TGObjectPtr front = TUniverse::WorldList().First();
  ships_.clear();
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    if (object->Kind() != ObjectKind::Ship) break;
    ships_.push_back(std::static_pointer_cast<TShip>(object));
  }
  front_ = std::move(front);
  ++number_;
  return ships_;
}

namespace {

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

}  // namespace tolvex
