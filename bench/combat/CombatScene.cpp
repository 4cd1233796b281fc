#include "CombatScene.h"

#include <cmath>
#include <vector>

#include "content/TShipInfo.h"
#include "core/Globals.h"
#include "effects/ParticleEngine.h"
#include "platform/Clock.h"
#include "shell/LaunchOptions.h"
#include "shell/MainLoop.h"
#include "shell/StartUp.h"
#include "weapons/TGun.h"
#include "weapons/TRocket.h"
#include "weapons/TShot.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

constexpr float kArena = 900;           // ships, shots and rockets stay this close to the player
constexpr float kUndying = 1.0e9f;      // hit points no fight of a benchmark can use up
constexpr int kLongLife = 1000000000;   // ms: shots and rockets that never expire by themselves

float Around(float centre) { return centre + RandomFloat(-kArena, kArena); }

bool OutsideArena(const TGObject& object) {
  return std::fabs(object.X - Player->X) > kArena * 1.5f || std::fabs(object.Y - Player->Y) > kArena * 1.5f;
}

std::vector<TShipPtr> Enemies() {
  std::vector<TShipPtr> ships;
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    if (object->Kind() == ObjectKind::Ship && object != Player) ships.push_back(std::static_pointer_cast<TShip>(object));
  }
  return ships;
}

}  // namespace

void CombatScene::StartHeadlessGame() {
  static bool started = false;
  if (started) return;
  started = true;
  LaunchOptions options;
  options.headless = true;
  options.width = 1280, options.height = 720;
  options.frameMs = 16;
  options.seed = 1;
  options.start = kStateGame;
  UseSteppedClock(options.frameMs);
  StartUp(options);
  FrameTime = 16;
  FrameRate = 1000.0f / 16;
}

void CombatScene::Build() {
  // Every scene starts from the same random numbers and place, whichever benchmark ran before.
  SeedRandom(1);
  Player->X = 0, Player->Y = 0;
  // The previous scene leaves without wreckage, so debris does not pile up from run to run.
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    if (object == Player) continue;
    if (object->Kind() == ObjectKind::Ship) static_cast<TShip&>(*object).KI_target.reset();
    object->TGObject::Remove();
  }
  Player->HP = kUndying;
  const auto& types = TShipInfo::ShipInfoMap();
  auto type = types.begin();
  for (int i = 0; i < ships_; ++i, ++type) {
    if (type == types.end()) type = types.begin();
    const TShipPtr ship = TShipInfo::CreateShip(type->first, nullptr);
    if (!ship) continue;
    ship->KI = kKIEnemy;
    ship->X = Around(Player->X);
    ship->Y = Around(Player->Y);
    ship->HP = kUndying;
  }
  Maintain(true);
}

void CombatScene::Maintain(bool clearParticles) {
  Player->HP = kUndying;
  PlayerIdleTime = 0;
  if (clearParticles) InitParticleEngine();
  std::size_t shots = 0, rockets = 0;
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    if (object->Kind() == ObjectKind::Ship) {
      static_cast<TShip&>(*object).HP = kUndying;
      if (object != Player && OutsideArena(*object)) object->X = Around(Player->X), object->Y = Around(Player->Y);
      continue;
    }
    const bool shot = object->Kind() == ObjectKind::Shot;
    std::size_t& have = shot ? shots : rockets;
    if (have >= static_cast<std::size_t>(shot ? shots_ : rockets_)) {
      object->Remove();
      continue;
    }
    ++have;
    if (OutsideArena(*object)) {
      object->X = Around(Player->X);
      object->Y = Around(Player->Y);
    }
  }
  TopUpShots(shots);
  TopUpRockets(rockets);
}

void CombatScene::TopUpShots(std::size_t have) {
  const std::vector<TShipPtr> ships = Enemies();
  for (std::size_t i = 0; have < static_cast<std::size_t>(shots_) && !ships.empty(); ++i) {
    const TShipPtr& ship = ships[i % ships.size()];
    if (ship->TGunList.Empty()) continue;
    const TGunPtr gun = ship->TGunList.First();
    gun->Direction = RandomFloat(0, 360);
    const TShotPtr shot = TShot::Create(gun);
    shot->X = Around(Player->X);
    shot->Y = Around(Player->Y);
    shot->LiveTime = kLongLife;
    ++have;
  }
}

void CombatScene::TopUpRockets(std::size_t have) {
  const std::vector<TShipPtr> ships = Enemies();
  for (std::size_t i = 0; have < static_cast<std::size_t>(rockets_) && !ships.empty(); ++i, ++have) {
    const TShipPtr& source = ships[i % ships.size()];
    const TShipPtr& target = ships[(i * 7 + 3) % ships.size()];
    const TRocketPtr rocket =
        TRocket::Create(source, RandomFloat(0, 360), 300, target, static_cast<std::uint8_t>(RandomInt(0, 3)));
    rocket->X = Around(Player->X);
    rocket->Y = Around(Player->Y);
    rocket->LiveTime = kLongLife;
  }
}

CombatCounts CombatScene::Count() const {
  CombatCounts counts;
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    switch (object->Kind()) {
      case ObjectKind::Ship: ++counts.ships; break;
      case ObjectKind::Shot: ++counts.shots; break;
      case ObjectKind::Rocket: ++counts.rockets; break;
      default: break;
    }
  }
  return counts;
}

void ReportCounts(benchmark::State& state, const CombatScene& scene) {
  const CombatCounts counts = scene.Count();
  state.counters["ships"] = static_cast<double>(counts.ships);
  state.counters["shots"] = static_cast<double>(counts.shots);
  state.counters["rockets"] = static_cast<double>(counts.rockets);
  state.counters["particles"] = static_cast<double>(ParticleCount());
}

void PlayFrames(CombatScene& scene, FrameHooks& hooks, int& frame, int count) {
  for (const int last = frame + count; frame < last;) {
    scene.Maintain(false);
    RunFrame(hooks, ++frame);
  }
}

}  // namespace tolvex
