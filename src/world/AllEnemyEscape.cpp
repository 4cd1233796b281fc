// The world's order to every enemy to flee (the "cowards" cheat).
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

void TUniverse::AllEnemyEscape() {
  for (const TGObjectPtr object : WorldList()) {
    if (object->Kind() != ObjectKind::Ship) continue;
    auto& ship = static_cast<TShip&>(*object);
    if (ship.KI == kKIEnemy) ship.Escape();
  }
}

}  // namespace tolvex
