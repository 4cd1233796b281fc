#include "weapons/ShotBroadPhase.h"

#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "weapons/ProximityGrid.h"
#include "weapons/TGunInfo.h"
#include "weapons/TRocket.h"
#include "weapons/WorldWalk.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

// Cells of about a ship's size: a ship with its shots' reach lies in a few of them, and a shot
// sees only the few ships and rockets around it (larger cells hand it several times as many).
constexpr float kCellSize = 128;

bool enabled = true;

// A grid and the state of the world it was built for.
struct Built {
  ProximityGrid grid{kCellSize};
  std::uint64_t pass = 0, version = 0;
  bool valid = false;
  bool IsFor(std::uint64_t p, std::uint64_t v) const { return valid && pass == p && version == v; }
  void Start(std::uint64_t p, std::uint64_t v) {
    grid.Clear();
    pass = p, version = v, valid = true;
  }
};

Built ships, rockets;

// How far the longest shot reaches from its position (a ship is hit within its radius plus
// that), and how far any shot sprite reaches for the rocket test; taken once per world pass.
struct ShotReach {
  float length = 0, sprite = 0;
  std::uint64_t pass = 0;
  bool valid = false;
};

const ShotReach& ShotReaches() {
  static ShotReach reach;
  const std::uint64_t pass = TUniverse::PassNumber();
  if (reach.valid && reach.pass == pass) return reach;
  reach = ShotReach{0, 0, pass, true};
  for (const TGunInfoPtr& info : TGunInfo::GunInfoList()) {
    reach.length = std::max(reach.length, static_cast<float>(info->ShotImgLength));
    reach.sprite = std::max(reach.sprite, static_cast<float>(info->ShotImgRadius) + 2);
  }
  return reach;
}

void BuildShips() {
  const float length = ShotReaches().length;
  const auto& list = ShipsInWorld();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const TShip& ship = *list[i];
    ships.grid.Add(static_cast<int>(i), ship.X, ship.Y, static_cast<float>(ship.ImageRadius), length);
  }
  ships.grid.Finish();
}

void BuildRockets() {
  const float sprite = ShotReaches().sprite;
  const auto& list = TRocket::Flying();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const TRocket* rocket = list[i];
    if (!rocket) continue;
    // Rockets still to steer in this pass move once more, by at most this much.
    const float step = (rocket->Speed + 1000 / FrameRate) / FrameRate;
    rockets.grid.Add(static_cast<int>(i), rocket->X, rocket->Y, rocket->HitReach() + std::fabs(step), sprite);
  }
  rockets.grid.Finish();
}

// Builds the grid anew; apart from the lookups, which mostly find it built and then stay a few
// instructions.
[[gnu::noinline]] void Rebuild(Built& built, std::uint64_t pass, std::uint64_t version, void (*build)()) {
  built.Start(pass, version);
  build();
}

std::optional<std::span<const ProximityGrid::Thing>> Near(Built& built, std::uint64_t version, void (*build)(), int slot) {
  if (slot < 0) return std::nullopt;
  const std::uint64_t pass = TUniverse::PassNumber();
  if (!built.IsFor(pass, version)) Rebuild(built, pass, version, build);
  if (!built.grid.Usable()) return std::nullopt;
  return built.grid.InSlot(slot);
}

}  // namespace

void SetShotBroadPhase(bool on) {
  enabled = on;
  ships.valid = rockets.valid = false;
}

bool ShotBroadPhase() { return enabled; }

ShotSpot ShotSpotAt(float x, float y) {
  if (!enabled || !TUniverse::InPass() || !std::isfinite(x) || !std::isfinite(y)) return ShotSpot{x, y, -1};
  // Both grids have cells of kCellSize, so the ships' grid names the slot for the rockets' too.
  return ShotSpot{x, y, ships.grid.SlotAt(x, y)};
}

std::optional<std::span<const ProximityGrid::Thing>> ShipsNearShot(const ShotSpot& spot) {
  return Near(ships, ShipSnapshotNumber(), BuildShips, spot.slot);
}

std::optional<std::span<const ProximityGrid::Thing>> RocketsNearShot(const ShotSpot& spot) {
  return Near(rockets, TRocket::Launches(), BuildRockets, spot.slot);
}

}  // namespace tolvex
