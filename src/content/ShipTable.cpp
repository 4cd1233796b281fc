// The 52 ship types of the game, defined from the shared rows in table order.
#include <string>

#include "content/ShipTableRows.h"
#include "content/TShipInfo.h"
#include "platform/Diagnostics.h"

namespace tolvex {

namespace {

void DefineShip(const ShipTypeRow& row) {
  const TShipInfoPtr info = TShipInfo::Create();
  info->setIdandName(std::string(row.id), std::string(row.name), row.fraction);
  info->SetImage("incbin::..\\gfx\\" + std::string(row.image));
  info->SetExplosion(row.explosion);
  info->SetEngine(row.power, row.speed);
  info->SetMass(row.mass);
  info->SetHP(row.hp);
  info->SetArmor(row.armor);
  for (const ShipMountRow& mount : row.mounts()) info->AddGun(std::string(mount.gun), mount.x, mount.y, mount.ki);
  info->SetRockets(row.rockets[0], row.rockets[1], row.rockets[2], row.rockets[3]);
  for (const std::string_view reward : row.rewards()) info->AddReward(std::string(reward));
}

}  // namespace

void CreateShipTable() {
  for (const ShipTypeRow& row : kShipTable) DefineShip(row);
  WriteDebugLine("Insgesamt " + std::to_string(TShipInfo::ShipInfoMap().size()) + " Schiffe geladen.");
  if (kWriteShipDesignReport) TShipInfo::DEBUG_WriteWorth("Schifffsinfo.txt");
}

}  // namespace tolvex
