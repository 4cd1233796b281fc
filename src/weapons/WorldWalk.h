#pragma once
// Fast walks over the ships and the rockets of the world, in world-list order.
// Ships always enter the world list at the front, so they form its head: a
// ship walk stops at the first object that is not a ship. Rockets are walked
// through their own list of flying rockets instead of the whole world.
#include "weapons/TRocket.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

// Squared distance, for comparisons that need no square root.
inline float SquaredDistance(float x1, float y1, float x2, float y2) {
  const float dx = x1 - x2, dy = y1 - y2;
  return dx * dx + dy * dy;
}

// Calls visit(TShip&) for every ship in the world until it returns true.
template <class Visit>
void ForEachShip(Visit&& visit) {
  for (const TGObjectPtr object : TUniverse::WorldList()) {
    if (object->Kind() != ObjectKind::Ship) return;
    if (visit(static_cast<TShip&>(*object))) return;
  }
}

// Calls visit(TRocket&) for every rocket in the world until it returns true.
template <class Visit>
void ForEachRocket(Visit&& visit) {
  const auto& rockets = TRocket::Flying();
  for (std::size_t i = 0; i < rockets.size(); ++i) {
    TRocket* rocket = rockets[i];
    if (!rocket || !rocket->Link || !rocket->Link->Linked()) continue;
    if (visit(*rocket)) return;
  }
}

}  // namespace tolvex
