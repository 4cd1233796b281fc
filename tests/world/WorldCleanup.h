#pragma once
// Ships in a test world may hold each other (targets, buddies); a test that empties the world
// without letting every ship leave the game breaks those holds first, so nothing outlives it.
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

inline void ForgetShipReferences() {
  for (const auto& object : TUniverse::WorldList()) {
    if (object->Kind() != ObjectKind::Ship) continue;
    auto& ship = static_cast<TShip&>(*object);
    ship.KI_target.reset();
    ship.BuddyList.Clear();
  }
}

}  // namespace tolvex
