#include <nlohmann/json.hpp>

#include "weapons/TRocket.h"
#include "weapons/TShot.h"
#include "world/TShip.h"

namespace tolvex {

void TShot::Describe(nlohmann::json& out) const {
  TGObject::Describe(out);
  out["id"] = SourceInfo ? SourceInfo->ID : std::string();
  out["LiveTime"] = LiveTime;
  out["Damage"] = Damage;
  out["doubleDamage"] = doubleDamage;
}

void TRocket::Describe(nlohmann::json& out) const {
  TGObject::Describe(out);
  out["Typ"] = Typ;
  out["HP"] = HP;
  out["LiveTime"] = LiveTime;
  out["searchtimecounter"] = searchtimecounter;
  out["Target"] = Target ? nlohmann::json(Target->id) : nlohmann::json(nullptr);
}

}  // namespace tolvex
