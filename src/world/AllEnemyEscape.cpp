// The world's order to every enemy to flee (the "cowards" cheat).
#include "weapons/WorldWalk.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

void TUniverse::AllEnemyEscape() {
  ForEachShip([](TShip& ship) {
    if (ship.KI == kKIEnemy) ship.Escape();
    return false;
  });
}

}  // namespace tolvex
