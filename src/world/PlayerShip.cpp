#include "world/PlayerShip.h"

#include "content/TShipInfo.h"
#include "core/Globals.h"
#include "world/TShip.h"

namespace tolvex {

void CreatePlayerShip(std::string_view typeId) { Player = TShipInfo::CreateShip(typeId, Player); }

void CreateStartingPlayerShip() {
  // Standing still at the end of the last game must not bring a volley into this one.
  PlayerIdleTime = 0;
  Player = nullptr;
  CreatePlayerShip("pj_modernx");
  if (!Player) return;
  Player->Points = 0;
  Player->AimHelp = true;
  Player->SetAutoReload(3, 10000);
  Player->MultikillHighest = 0;
}

}  // namespace tolvex
