#pragma once
// Building the player's ship from a ship type.
#include <string_view>

namespace tolvex {

// Player = the given ship type, built new or rebuilt in place from the current Player.
void CreatePlayerShip(std::string_view typeId);
// A new game's player ship: "pj_modernx" with no points, aim help on, a type-3 rocket every 10 s;
// the idle timer starts again.
void CreateStartingPlayerShip();

}  // namespace tolvex
