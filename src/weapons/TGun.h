#pragma once
// A turret mounted on a ship: aims by itself (or by the mouse), reloads and fires shots.
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/TList.h"
#include "weapons/TGunInfo.h"

namespace tolvex {

class TGObject;
class TShip;
class TRocket;
class TGun;
using TGunPtr = std::shared_ptr<TGun>;

// Turret AI levels (KI_Level).
enum GunAiLevel : std::uint8_t {
  kGunManual = 0,      // follows the mouse, fires only with the fire button
  kGunDirect = 1,      // aims straight at the target
  kGunLead = 2,        // leads by the relative ship velocity
  kGunLeadOrNear = 3,  // as 2, else the closest other ship
  kGunAntiRocket = 4,  // hostile rockets first, else ships
  kGunHeadingLead = 5  // two-pass lead by headings
};

class TGun : public std::enable_shared_from_this<TGun> {
 public:
  // The ship carrying the gun; empty once removed. It does not keep the ship alive.
  std::weak_ptr<TShip> Ship;
  TGunInfoPtr Info;
  std::uint8_t KI_Level = kGunManual;
  // Mount offset in ship coordinates (see GetX, GetY).
  float Relative_x = 0, Relative_y = 0;
  // Current turret bearing.
  float Direction = 0;
  // 0 just after firing; the gun may fire at 1 or more.
  float Reloadstatus = 0;
  // Entry in the ship's TGunList.
  std::shared_ptr<TLink<TGun>> Link;

  // Mounts a gun of type gunId on the ship; an unknown type mounts nothing and yields null.
  static TGunPtr Create(const std::shared_ptr<TShip>& ship, float x, float y, std::string_view gunId,
                        std::uint8_t KI);

  // Per-frame step: reload, aim by the AI level, fire.
  void Process();
  // Aiming operations: each sets Direction and returns a distance.
  float KI_Human();
  float KI_Aim1(const TGObject& target);
  float KI_Aim2Ship(const TShip& target);
  float KI_Aim3(const TGObject& target);
  float KI_AimRocket(const TRocket& rocket);
  float KI_AimRocket2(const TRocket& rocket);
  // The closest ship that is neither this gun's ship nor one of its buddies.
  TShip* KI_GetClosestTarget() const;
  // The closest rocket not credited to this gun's ship or its buddies.
  TRocket* KI_GetClosestRocket() const;
  // Turret sprite and, for manual guns, the aim-help marker.
  void Draw();
  // World position of the mount.
  float GetX() const;
  float GetY() const;
  // The fire button: only manual guns answer it.
  void Shoot();
  // Fires a shot when reloaded.
  void Fire();
  // Unmounts the gun.
  void Remove();

 private:
  void ProcessAutomatic(const TShip& ship);
  // Level 4: hostile rockets first, then the target ship, then the closest ship.
  void ProcessAntiRocket(const TShip* target);
  // Aims straight at the closest other ship and fires if it lies between minDistance and the range.
  void FireAtClosestShip(float minDistance);
  void DrawAimHelp(const TShip& ship);
};

}  // namespace tolvex
