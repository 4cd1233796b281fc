#include "content/TShipInfo.h"

#include <cmath>
#include <numbers>
#include <string>

#include "effects/TParticleInfo.h"
#include "platform/Diagnostics.h"
#include "platform/Files.h"
#include "weapons/TGun.h"
#include "weapons/TGunInfo.h"

namespace tolvex {

TShipInfo_Gun TShipInfo_Gun::Create(std::string id, float xalign, float yalign, std::uint8_t ki) {
  return TShipInfo_Gun{std::move(id), xalign, yalign, ki};
}

std::map<std::string, TShipInfoPtr, std::less<>>& TShipInfo::ShipInfoMap() {
  static std::map<std::string, TShipInfoPtr, std::less<>> map;
  return map;
}

TShipInfoPtr TShipInfo::Get(std::string_view id) {
  const auto& map = ShipInfoMap();
  const auto found = map.find(id);
  return found == map.end() ? nullptr : found->second;
}

void TShipInfo::Reset() { ShipInfoMap().clear(); }

void TShipInfo::setIdandName(std::string id, std::string name, std::string_view fraction) {
  auto& map = ShipInfoMap();
  if (!ID.empty()) map.erase(ID);
  if (map.contains(id)) {
    WriteDebugLine("Ship ID already exists: " + id);
    return;
  }
  ID = std::move(id);
  Name = std::move(name);
  Fraction.assign(fraction);
  for (char& c : Fraction)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  map.emplace(ID, shared_from_this());
}

float TShipInfo::RadiusOf(int width, int height) {
  const int a = (width + 1) / 2;
  const int b = (height + 1) / 2;
  return std::sqrt(static_cast<float>(a * a + b * b));
}

void TShipInfo::SetImage(std::string_view path) {
  Image = LoadImage(path, -1);
  if (!Image) {
    WriteDebugLine("Image not found: " + std::string(path));
    ImageRadius = 0;
    return;
  }
  CentreHandle(Image);
  ImageRadius = RadiusOf(Image->Width(), Image->Height());
}

void TShipInfo::SetExplosion(std::string_view effectId) { Explosion = TParticleInfo::Get(effectId); }

void TShipInfo::SetEngine(float power, float speed) {
  Engine_Power = power;
  Engine_Speed = speed;
}

void TShipInfo::AddGun(std::string gunId, float x, float y, std::uint8_t ki) {
  Gun_List.push_back(TShipInfo_Gun::Create(std::move(gunId), x, y, ki));
}

void TShipInfo::SetRockets(int r0, int r1, int r2, int r3) { Rockets = {r0, r1, r2, r3}; }

void TShipInfo::AddReward(std::string command) { Reward_List.push_back(std::move(command)); }

TShipPtr TShipInfo::CreateShip(std::string_view id, TShipPtr ship) {
  const TShipInfoPtr info = Get(id);
  if (!info) {
    WriteDebugLine("Ship ID not found: " + std::string(id));
    return nullptr;
  }
  const bool rebuild = ship != nullptr;
  if (!rebuild) ship = TShip::New();
  ship->Name = info->Name;
  ship->id = info->ID;
  ship->Mass = info->Mass;
  // A rebuilt ship never loses hit points.
  if (!rebuild || ship->HP < info->Hp) ship->HP = ship->HP_max = info->Hp;
  ship->armor = info->Armor;
  ship->SetEngine(info->Engine_Power, info->Engine_Speed);
  ship->Image = info->Image;
  ship->ImageRadius = static_cast<int>(info->ImageRadius);
  ship->Explosion = info->Explosion;
  ship->RemoveGuns("");
  for (const TShipInfo_Gun& mount : info->Gun_List) TGun::Create(ship, mount.xalign, mount.yalign, mount.ID, mount.KI);
  if (!rebuild) {
    for (int i = 0; i < 3; ++i) ship->Rockets[i] = info->Rockets[i];
  }
  ship->Reward_List = info->Reward_List;
  return ship;
}

namespace {

// The report's figures of one ship type.
struct ShipWorth {
  int gunPower = 0;
  float area = 0, agility = 0, toughness = 0;
};

ShipWorth WorthOf(const TShipInfo& info) {
  ShipWorth worth;
  for (const TShipInfo_Gun& gun : info.Gun_List) worth.gunPower += TGunInfo::DEBUG_GetTacticPoints(gun.ID);
  worth.area = std::numbers::pi_v<float> * std::numbers::pi_v<float> * info.ImageRadius / 500;
  worth.agility = 100 * info.Engine_Power / (info.Mass * info.Engine_Speed);
  worth.toughness = info.Hp / 100;
  return worth;
}

// Truncates towards zero; figures that are not finite (a type without mass or image) read 0.
long long Trunc(float value) { return std::isfinite(value) ? static_cast<long long>(value) : 0; }

}  // namespace

void TShipInfo::DEBUG_WriteWorth(std::string_view fileName) {
  GameFilePtr file = WriteFile(fileName);
  if (!file) return;
  for (const auto& [id, info] : ShipInfoMap()) {
    const ShipWorth w = WorthOf(*info);
    const float tactical = w.area != 0 ? w.gunPower * info->Armor * w.toughness * w.agility / w.area : 0;
    file->WriteLine("Schiffsprofil: " + info->Name);
    file->WriteLine("Waffenkraft: " + std::to_string(w.gunPower));
    file->WriteLine("Trefferfl\xE4" "che: " + std::to_string(Trunc(100 * w.area)));
    file->WriteLine("Wendigkeit: " + std::to_string(Trunc(100 * w.agility)));
    file->WriteLine("Hp: " + std::to_string(Trunc(100 * w.toughness)));
    file->WriteLine("Taktischer Nutzwert: " + std::to_string(Trunc(tactical)));
    file->WriteLine("");
  }
  CloseFile(file);
}

}  // namespace tolvex
