#pragma once
// Ships that join the battle: enemies sent by the stages and the player's wingman.
#include <string_view>

#include "world/TShip.h"

namespace tolvex {

// Distance from the point of reference at which arriving ships appear.
inline constexpr float kArrivalDistance = 6000;

// An enemy of a ship type at a random bearing 6000 px from the camera corner; null for an unknown type.
TShipPtr SpawnEnemy(std::string_view typeId);
// The wingman ("bj_tigerx") 6000 px from the player, if the player has none yet.
void SpawnBuddy();

}  // namespace tolvex
