// How a ship keeps and chooses its target, and which rocket type suits that target.
#include <array>
#include <limits>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "weapons/WorldWalk.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

constexpr int kTargetRethinkMs = 5000;
constexpr float kStandingStill = 0.5f;

// Keeps the strictly nearest candidate to a point; ties keep the earlier one.
struct NearestShip {
  float x, y;
  TShip* best = nullptr;
  float bestDistance = std::numeric_limits<float>::infinity();

  void Offer(TShip* ship) {
    const float d = Distance(x, y, ship->X, ship->Y);
    if (d < bestDistance) {
      best = ship;
      bestDistance = d;
    }
  }
};

TGObjectPtr Shared(TShip* ship) { return ship ? ship->shared_from_this() : nullptr; }

}  // namespace

void TShip::KeepOrFindTarget() {
  KI_LastTargetSearch += FrameTime;
  if (KI_target) {
    if (KI_target->Dead) KI_target.reset();
    else if (KI != kKIPlayer && KI_LastTargetSearch > kTargetRethinkMs) KI_target.reset();
  }
  if (KI_target) return;
  FindTarget();
  if (KI_target) KI_LastTargetSearch = 0;
}

void TShip::FindTarget() {
  switch (KI) {
    case kKIEnemy: FindEnemyTarget(); break;
    case kKIBuddy: FindBuddyTarget(); break;
    default: FindNearestTarget(); break;
  }
}

void TShip::FindNearestTarget() {
  NearestShip nearest{X, Y};
  ForEachShip([&](TShip& ship) {
    if (&ship != this && !IsBuddy(&ship)) nearest.Offer(&ship);
    return false;
  });
  KI_target = Shared(nearest.best);
}

void TShip::FindEnemyTarget() {
  NearestShip nearest{X, Y};
  int playerHunters = 0;
  ForEachShip([&](TShip& ship) {
    if (Player && ship.KI_target == Player) ++playerHunters;
    if (&ship != this && !IsBuddy(&ship)) nearest.Offer(&ship);
    return false;
  });
  KI_target = Shared(nearest.best);
  if (!Player || Player->Dead) return;
  if (playerHunters < MaxPlayerAttackers) KI_target = Player;
  if (Player->Speed < kStandingStill) KI_target = Player;
}

void TShip::FindBuddyTarget() {
  if (Player) {
    NearestShip nearestToPlayer{Player->X, Player->Y};
    ForEachShip([&](TShip& ship) {
      if (ship.KI != kKIPlayer && &ship != this && !IsBuddy(&ship) && ship.KI_target == Player)
        nearestToPlayer.Offer(&ship);
      return false;
    });
    if (nearestToPlayer.best) {
      KI_target = Shared(nearestToPlayer.best);
      return;
    }
  }
  NearestShip nearest{X, Y};
  ForEachShip([&](TShip& ship) {
    if (ship.KI != kKIPlayer && &ship != this && !IsBuddy(&ship)) nearest.Offer(&ship);
    return false;
  });
  KI_target = Shared(nearest.best);
}

namespace {

// One rule of the rocket selector: a rocket type, a toughness test and its launch range.
struct RocketRule {
  int type;
  float minTough, maxTough;  // open bounds
  float minDist, maxDist;    // open bounds
};

constexpr float kInf = std::numeric_limits<float>::infinity();

// The four rules (a: type 3, b: type 0, c: type 1, d: type 2) in the order each class tries them.
constexpr RocketRule kRuleA{3, -kInf, 30, -kInf, 3000};
constexpr RocketRule kRuleB{0, -kInf, 120, -kInf, 3000};
constexpr RocketRule kRuleCSmall{1, 60, kInf, 300, 5000};
constexpr RocketRule kRuleC{1, 30, kInf, 300, 5000};
constexpr RocketRule kRuleDSmall{2, 125, kInf, 3000, 30000};
constexpr RocketRule kRuleD{2, 175, kInf, 3000, 30000};

// A target class: its name, its rules in order and its fallback order.
struct TargetClass {
  const char* name;
  std::array<RocketRule, 4> rules;
  std::array<int, 4> fallback;
};

constexpr TargetClass kSmall{"Small Ship", {kRuleA, kRuleB, kRuleCSmall, kRuleDSmall}, {0, 1, 3, 2}};
constexpr TargetClass kMedium{"Medium Ship", {kRuleC, kRuleD, kRuleB, kRuleA}, {1, 0, 3, 2}};
constexpr TargetClass kBig{"Big Ship", {kRuleD, kRuleC, kRuleB, kRuleA}, {2, 1, 0, 3}};

const TargetClass& ClassOf(float mass) {
  if (mass > 200) return kBig;
  if (mass > 50) return kMedium;
  return kSmall;
}

}  // namespace

bool TShip::RocketAutoSelector() {
  RocketAutoSelectHudtext.clear();
  if (!KI_target || KI_target->Kind() != ObjectKind::Ship) return false;
  const auto& target = static_cast<const TShip&>(*KI_target);
  const float toughness = target.HP * target.armor;
  const float dist = Distance(X, Y, target.X, target.Y);
  const TargetClass& targetClass = ClassOf(target.Mass);
  RocketAutoSelectHudtext = targetClass.name;

  bool fireOk = false;
  bool chosen = false;
  for (const RocketRule& rule : targetClass.rules) {
    if (Rockets[rule.type] < 1 || !(toughness > rule.minTough && toughness < rule.maxTough)) continue;
    SelectedRockets = static_cast<std::uint8_t>(rule.type);
    fireOk = dist > rule.minDist && dist < rule.maxDist;
    chosen = true;
    break;
  }
  if (!chosen) {
    for (const int type : targetClass.fallback) {
      if (Rockets[type] < 1) continue;
      SelectedRockets = static_cast<std::uint8_t>(type);
      break;
    }
  }
  if (fireOk) RocketAutoSelectHudtext += " Fire:OK";
  return fireOk;
}

}  // namespace tolvex
