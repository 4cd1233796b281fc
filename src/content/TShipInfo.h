#pragma once
// Ship types: how a kind of ship looks, flies, what it mounts and what killing it pays.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Image.h"
#include "world/TShip.h"

namespace tolvex {

class TParticleInfo;
class TShipInfo;
using TShipInfoPtr = std::shared_ptr<TShipInfo>;

// One gun mount of a ship type: gun type, offset in ship coordinates, turret AI level.
struct TShipInfo_Gun {
  std::string ID;
  float xalign = 0;
  float yalign = 0;
  std::uint8_t KI = 0;

  static TShipInfo_Gun Create(std::string id, float xalign, float yalign, std::uint8_t ki);
};

class TShipInfo : public std::enable_shared_from_this<TShipInfo> {
 public:
  std::string ID;
  std::string Name;
  // Faction, lower-cased; the stages pick enemies by it.
  std::string Fraction;
  ImagePtr Image;
  // Half the diagonal of the hull image.
  float ImageRadius = 0;
  std::shared_ptr<TParticleInfo> Explosion;
  std::vector<TShipInfo_Gun> Gun_List;
  std::array<int, 4> Rockets{0, 0, 0, 0};
  float Hp = 50;
  float Armor = 1;
  float Mass = 0;
  float Engine_Power = 0;
  float Engine_Speed = 0;
  std::vector<std::string> Reward_List;

  // A new, unregistered record with its defaults.
  static TShipInfoPtr Create() { return std::make_shared<TShipInfo>(); }
  // Every registered type by ID, ordered by key.
  static std::map<std::string, TShipInfoPtr, std::less<>>& ShipInfoMap();
  // The type with this ID, or null.
  static TShipInfoPtr Get(std::string_view id);
  // Forgets every type (a fresh game in tests).
  static void Reset();

  // Writes the design report of every type into fileName.
  static void DEBUG_WriteWorth(std::string_view fileName);
  // Builds a ship of type id, or rebuilds the given ship into it; null for an unknown ID.
  static TShipPtr CreateShip(std::string_view id, TShipPtr ship);

  // Registers the record under id; a taken id is refused and logged.
  void setIdandName(std::string id, std::string name, std::string_view fraction);
  // Loads the hull image, centres its handle and measures its radius.
  void SetImage(std::string_view path);
  // Measures the radius of an image of this size: half its diagonal, halves rounded up.
  static float RadiusOf(int width, int height);
  void SetExplosion(std::string_view effectId);
  void SetEngine(float power, float speed);
  void SetMass(float m) { Mass = m; }
  void SetHP(float hp) { Hp = hp; }
  void SetArmor(float a) { Armor = a; }
  void AddGun(std::string gunId, float x, float y, std::uint8_t ki);
  void SetRockets(int r0, int r1, int r2, int r3);
  void AddReward(std::string command);
};

// Defines the 52 ship types in table order, then logs how many there are.
void CreateShipTable();

// Off by default: the start-up writes "Schifffsinfo.txt" only when this is switched on.
inline constexpr bool kWriteShipDesignReport = false;

}  // namespace tolvex
