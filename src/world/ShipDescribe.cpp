// A ship as it appears in a state dump.
#include <nlohmann/json.hpp>

#include "world/TShip.h"

namespace tolvex {

void TShip::Describe(nlohmann::json& out) const {
  TGObject::Describe(out);
  out["id"] = id;
  out["Name"] = Name;
  out["KI"] = KI;
  out["Rotation"] = Rotation;
  out["Speed_x"] = Speed_x;
  out["Speed_y"] = Speed_y;
  out["HP"] = HP;
  out["HP_max"] = HP_max;
  out["Kills"] = Kills;
  out["Points"] = Points;
  out["Rockets"] = Rockets;
  out["SelectedRockets"] = SelectedRockets;
  out["BONUS_Shield"] = BONUS_Shield;
  out["BONUS_Doubledamage"] = BONUS_Doubledamage;
  out["Multikillcounter"] = Multikillcounter;
  out["MultikillHighest"] = MultikillHighest;
  out["KI_target"] = KI_target ? nlohmann::json(KI_target->Kind() == ObjectKind::Ship
                                                     ? static_cast<const TShip&>(*KI_target).id
                                                     : std::string("object"))
                               : nlohmann::json(nullptr);
}

}  // namespace tolvex
