#pragma once
// Gun types: the catalogue record every turret of one kind shares.
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/TList.h"
#include "platform/Image.h"
#include "platform/Sound.h"

namespace tolvex {

class TParticleInfo;
class TGunInfo;
using TGunInfoPtr = std::shared_ptr<TGunInfo>;

class TGunInfo {
 public:
  std::string ID;
  // Turret sprite; its handle is (width / 2, TurretYAlign).
  ImagePtr TurretImg;
  int TurretYAlign = 0;
  // Shot sprite; its handle is the middle of its bottom edge, so it extends forward.
  ImagePtr ShotImg;
  int ShotImgLength = 0;
  // The shot sprite's full diagonal, rounded up: the shot's visibility radius.
  int ShotImgRadius = 0;
  // Effect started where a shot hits; may be none.
  std::shared_ptr<TParticleInfo> ShotExplosion;
  float Damage = 0;
  // Shot speed in pixels per second.
  float Speed = 0;
  // Shot lifetime in ms.
  int LiveTime = 0;
  // Range: how far a shot flies in its lifetime, plus 100.
  float Reichweite = 0;
  // Ms between two shots.
  int Reloadtime = 0;
  // Tactical worth, used by the ship design report.
  int Tactic_points = 0;
  SoundPtr FireSound;
  SoundPtr HitSound;
  // This record's entry in GunInfoList.
  std::shared_ptr<TLink<TGunInfo>> Link;

  // Builds a gun type, loads its sprites and sounds, registers it and derives its figures.
  static TGunInfoPtr Create(std::string_view ID, std::string_view turretImagePath, int TurretYAlign,
                            std::string_view shotImagePath, std::shared_ptr<TParticleInfo> ShotExplosion,
                            float Damage, float Speed, int LiveTime, int Reloadtime,
                            std::string_view fireSoundPath, std::string_view hitSoundPath);
  // The type with this exact ID; an unknown ID shows a notice and yields none.
  static TGunInfoPtr Get(std::string_view ID);
  // Writes the worth report of every type, in creation order.
  static void DEBUG_WriteWorth(std::string_view path);
  // Tactic_points of the first type with this exact ID, else 0.
  static int DEBUG_GetTacticPoints(std::string_view ID);

  // Every gun type in creation order.
  static TList<TGunInfo>& GunInfoList();
  // Every gun type by ID; a later type replaces an earlier one with the same ID.
  static std::map<std::string, TGunInfoPtr, std::less<>>& GunInfoMap();
  // Forgets every gun type (a fresh game in tests).
  static void Reset();

  // The range of a gun: LiveTime / 1000 × Speed + 100.
  static float RangeOf(float speed, int liveTime);
  // The tactical worth formula (Reloadtime must not be 0).
  static int TacticPointsOf(float damage, float speed, int liveTime, int reloadtime);
};

}  // namespace tolvex
