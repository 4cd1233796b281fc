#include "world/Spawning.h"

#include "content/TShipInfo.h"
#include "core/Globals.h"
#include "platform/Clock.h"
#include "ui/TMessage.h"

namespace tolvex {

namespace {

constexpr int kBuddyMessageColor = 0x0060F0;

// Puts a ship at a random bearing, kArrivalDistance from a point.
void PlaceAround(TShip& ship, float x, float y) {
  const float a = RandomFloat(0, 360);
  ship.X = x + kArrivalDistance * SinDeg(a);
  ship.Y = y - kArrivalDistance * CosDeg(a);
}

}  // namespace

TShipPtr SpawnEnemy(std::string_view typeId) {
  TShipPtr ship = TShipInfo::CreateShip(typeId, nullptr);
  if (!ship) return nullptr;
  ship->KI = kKIEnemy;
  PlaceAround(*ship, CameraX, CameraY);
  return ship;
}

void SpawnBuddy() {
  if (!Player || !Player->BuddyList.Empty()) return;
  TShipPtr ship = TShipInfo::CreateShip("bj_tigerx", nullptr);
  if (!ship) return;
  ship->KI = kKIBuddy;
  PlaceAround(*ship, Player->X, Player->Y);
  ship->AddBuddy(Player);
  TMessage::Add("Here comes Buddy!", 5000, 2.0f, kBuddyMessageColor);
}

}  // namespace tolvex
