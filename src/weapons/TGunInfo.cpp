#include "weapons/TGunInfo.h"

#include <cmath>
#include <string>

#include "platform/Diagnostics.h"
#include "platform/Files.h"

namespace tolvex {

namespace {

// A missing turret sprite is only logged; the gun type still plays.
ImagePtr LoadTurretImage(std::string_view path, int yAlign) {
  ImagePtr image = LoadImage(path, -1);
  if (!image) {
    WriteDebugLine("Image not found: " + std::string(path));
    return nullptr;
  }
  SetHandle(image, static_cast<float>(image->Width()) / 2, static_cast<float>(yAlign));
  return image;
}

// An empty or missing path leaves the gun type silent.
SoundPtr LoadOptionalSound(std::string_view path) { return path.empty() ? nullptr : LoadSound(path, 0); }

// Shots a minute; a gun type without reload time has none to report instead of a division by 0.
int ShotsPerMinute(int reloadtime) { return reloadtime > 0 ? 60000 / reloadtime : 0; }

void WriteWorthOf(GameFile& file, const TGunInfo& info) {
  const int damagePerMinute = info.Reloadtime > 0 ? static_cast<int>(info.Damage * 60000 / info.Reloadtime) : 0;
  file.WriteLine("Waffenprofil: " + info.ID);
  file.WriteLine("Schaden/Minute: " + std::to_string(damagePerMinute));
  file.WriteLine("Geschwindigkeit: " + std::to_string(static_cast<int>(info.Speed)) + " p/sec");
  file.WriteLine("Frequenz: " + std::to_string(ShotsPerMinute(info.Reloadtime)));
  file.WriteLine("Reichweite: " + std::to_string(static_cast<int>(info.Speed * info.LiveTime / 1000)));
  file.WriteLine("Taktische Punktzahl: " + std::to_string(info.Tactic_points));
  file.WriteLine("");
}

}  // namespace

TList<TGunInfo>& TGunInfo::GunInfoList() {
  static TList<TGunInfo> list;
  return list;
}

std::map<std::string, TGunInfoPtr, std::less<>>& TGunInfo::GunInfoMap() {
  static std::map<std::string, TGunInfoPtr, std::less<>> map;
  return map;
}

void TGunInfo::Reset() {
  GunInfoList().Clear();
  GunInfoMap().clear();
}

float TGunInfo::RangeOf(float speed, int liveTime) { return static_cast<float>(liveTime) / 1000 * speed + 100; }

int TGunInfo::TacticPointsOf(float damage, float speed, int liveTime, int reloadtime) {
  if (reloadtime <= 0) return 0;
  // Damage per second × shots per second / 2 × flight distance in kpx × speed in kpx/s, scaled by 1000.
  const double perSecond = static_cast<double>(damage) * 60000 / reloadtime / 1000;
  const double frequency = static_cast<double>(ShotsPerMinute(reloadtime)) / 2000;
  const double flight = static_cast<double>(speed) * liveTime / 1000000;
  const double velocity = static_cast<double>(speed) / 1000;
  return static_cast<int>(perSecond * frequency * flight * velocity * 1000);
}

TGunInfoPtr TGunInfo::Create(std::string_view ID, std::string_view turretImagePath, int TurretYAlign,
                             std::string_view shotImagePath, std::shared_ptr<TParticleInfo> ShotExplosion,
                             float Damage, float Speed, int LiveTime, int Reloadtime,
                             std::string_view fireSoundPath, std::string_view hitSoundPath) {
  auto info = std::make_shared<TGunInfo>();
  info->ID = std::string(ID);
  info->TurretImg = LoadTurretImage(turretImagePath, TurretYAlign);
  info->TurretYAlign = TurretYAlign;
  info->ShotImg = LoadImage(shotImagePath, -1);
  if (info->ShotImg) {
    const int w = info->ShotImg->Width();
    const int h = info->ShotImg->Height();
    info->ShotImgLength = h;
    info->ShotImgRadius = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(h) * h + w * w)));
    SetHandle(info->ShotImg, static_cast<float>(w) / 2, static_cast<float>(h));
  }
  info->ShotExplosion = std::move(ShotExplosion);
  info->Damage = Damage;
  info->Speed = Speed;
  info->LiveTime = LiveTime;
  info->Reloadtime = Reloadtime;
  info->FireSound = LoadOptionalSound(fireSoundPath);
  info->HitSound = LoadOptionalSound(hitSoundPath);
  info->Link = GunInfoList().AddLast(info);
  GunInfoMap()[info->ID] = info;
  info->Reichweite = RangeOf(Speed, LiveTime);
  info->Tactic_points = TacticPointsOf(Damage, Speed, LiveTime, Reloadtime);
  return info;
}

TGunInfoPtr TGunInfo::Get(std::string_view ID) {
  const auto& map = GunInfoMap();
  if (const auto found = map.find(ID); found != map.end()) return found->second;
  Notify("Error: TGunInfo\\Function Get(): No match on ID " + std::string(ID));
  return nullptr;
}

int TGunInfo::DEBUG_GetTacticPoints(std::string_view ID) {
  for (const TGunInfoPtr& info : GunInfoList()) {
    if (info->ID == ID) return info->Tactic_points;
  }
  return 0;
}

void TGunInfo::DEBUG_WriteWorth(std::string_view path) {
  GameFilePtr file = WriteFile(path);
  if (!file) {
    // A report that cannot be written is only worth a line on the debug channel.
    WriteDebugLine("Cannot write " + std::string(path));
    return;
  }
  for (const TGunInfoPtr& info : GunInfoList()) WriteWorthOf(*file, *info);
  CloseFile(file);
}

}  // namespace tolvex
