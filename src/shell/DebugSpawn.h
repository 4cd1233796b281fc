#pragma once
// A test fight before stages exist: TOLVEX_SPAWN="j_bat,j_bat,kr_shark" puts enemies of
// those types on a ring around the player when a game starts.
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

// The ship type IDs of a comma-separated list; empty entries are skipped.
std::vector<std::string> ParseSpawnList(std::string_view list);
// Builds enemies of the given types on a ring of the given radius around the player.
void SpawnShipsAroundPlayer(const std::vector<std::string>& typeIds, float radius);
// Reads TOLVEX_SPAWN and spawns its ships 350 pixels around the player; nothing when unset.
void SpawnDebugShips();

}  // namespace tolvex
