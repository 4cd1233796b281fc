#include "shell/DebugSpawn.h"

#include <cstdlib>

#include "content/TShipInfo.h"
#include "core/Globals.h"
#include "platform/Clock.h"
#include "world/TShip.h"

namespace tolvex {

namespace {
// Close enough to be on screen at 1280 × 720 from the first frame.
constexpr float kSpawnRadius = 350;
}

std::vector<std::string> ParseSpawnList(std::string_view list) {
  std::vector<std::string> ids;
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view id = list.substr(0, comma);
    if (!id.empty()) ids.emplace_back(id);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return ids;
}

void SpawnShipsAroundPlayer(const std::vector<std::string>& typeIds, float radius) {
  if (!Player || typeIds.empty()) return;
  const float step = 360.0f / static_cast<float>(typeIds.size());
  for (std::size_t i = 0; i < typeIds.size(); ++i) {
    const TShipPtr ship = TShipInfo::CreateShip(typeIds[i], nullptr);
    if (!ship) continue;
    const float a = step * static_cast<float>(i);
    ship->KI = kKIEnemy;
    ship->X = Player->X + SinDeg(a) * radius;
    ship->Y = Player->Y - CosDeg(a) * radius;
    ship->Rotation = a + 180;  // facing the player
  }
}

void SpawnDebugShips() {
  const char* list = std::getenv("TOLVEX_SPAWN");
  if (list) SpawnShipsAroundPlayer(ParseSpawnList(list), kSpawnRadius);
}

}  // namespace tolvex
