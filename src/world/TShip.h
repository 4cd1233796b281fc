#pragma once
// Every ship of the game: the player's, the enemies and the wingman.
#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Image.h"
#include "platform/Overlap.h"
#include "platform/Sound.h"
#include "world/TGObject.h"

namespace tolvex {

class TGun;
class TParticleInfo;
class TShip;
using TShipPtr = std::shared_ptr<TShip>;

// Controllers of a ship (`KI`).
enum ShipController : std::uint8_t { kKIPlayer = 0, kKIEnemy = 1, kKIBuddy = 2 };

// How many ships may hunt the player before further enemies take the nearest ship.
inline constexpr std::uint8_t MaxPlayerAttackers = 2;

class TShip : public TGObject {
 public:
  // A bare ship outside the world; use New to build one that plays.
  TShip();

  // A ship with its defaults, stamped with the frame clock, already in the world.
  static TShipPtr New();

  std::string Name;
  std::string id;
  // Hull image, handle at its centre.
  ImagePtr Image;
  int ImageRadius = 0;
  float Rotation = 0;
  float armor = 1.0f;
  int birthtime = 0;
  std::shared_ptr<TParticleInfo> Explosion;
  float WeaponRotation = 0, WeaponReady = 0, WeaponReload = 0;
  // Mounted turrets; each gun keeps its own entry to unlink itself.
  TList<TGun> TGunList;
  std::array<int, 4> Rockets{0, 0, 0, 0};
  std::array<int, 4> RocketCapacity{30, 20, 10, 5};
  std::uint8_t SelectedRockets = 0;
  std::array<int, 4> RocketLastAutoReload{0, 0, 0, 0};
  std::array<int, 4> RocketAutoReloadTime{0, 0, 0, 0};
  // Rocket-frames homing on this ship since the HUD last looked.
  int Rocketcounter = 0;
  // Clock time at which incoming rockets were last seen; long ago for a ship no rocket homed on
  // yet, so a game that starts early on the clock does not start with a rocket alarm.
  int LastRocketCounter = std::numeric_limits<int>::min() / 2;
  float RocketAlarmRenew = 0;
  float HPAlarmRenew = 0;
  bool RocketAutoSelectComp = true;
  std::string RocketAutoSelectHudtext;
  bool AimHelp = false;
  // Thrust gathered during this frame, and its angle relative to Rotation.
  float SpeedAcc = 0;
  float SpeedAccDirection = 0;
  // Velocity in world pixels per 1/70 s.
  float Speed_x = 0, Speed_y = 0;
  float Mass = 0;
  float Enginepower = 0;
  float Enginespeed = 0;
  float EngineAcc = 0;
  float HP = 0;
  float Points = 0;
  int Kills = 0;
  int Multikilltime = 0;
  int Multikillcounter = 0;
  int MultikillHighest = 0;
  float HP_max = 0;
  bool Hyperraum = false;
  std::uint8_t KI = kKIPlayer;
  // Current target; it does not keep the target in the world.
  TGObjectPtr KI_target;
  std::uint8_t KI_Level = 0;
  int KI_NextRocketFire = 0;
  int KI_LastTargetSearch = 0;
  bool KI_Leave = false;
  // Ships on this ship's side, never chosen as its target.
  TList<TShip> BuddyList;
  // Reward commands paid when the player kills this ship.
  std::vector<std::string> Reward_List;
  int HUD_RadarRange = 5000;
  Channel HUD_Alarmchannel = -1, HUD_Alarmchannel2 = -1;
  int BONUS_Shield = 0;
  float shieldhit = 0;
  int BONUS_Doubledamage = 0;

  // The per-frame behaviour: targets, controller, rockets, guns, flight, death.
  void Steering() override;
  // Hull, shield glow and turrets, when on screen.
  void Draw() override;
  // Takes damage after shield, armour and (for the player) difficulty.
  void DealDamage(float amount) override;
  // Ships enter the world at the front of the list.
  void MeltWithUniverse() override;
  // Leaves the game: dead, debris, guns gone, rewards dropped, player death handled.
  void Remove() override;
  // The ship's fields under the game's own names, for a state dump.
  void Describe(nlohmann::json& out) const override;

  // Score, scaled by the difficulty; a dead ship scores nothing.
  void AddPoints(int n);
  void AddDoubleDamage(int ms);
  void AddShield(int ms);
  // Kill bookkeeping with the player's multikill chain; the victim may be null.
  void AddKill(const TShipPtr& victim);
  void AddReward(std::string command);
  // Pays every reward command of this ship to the player.
  void GiveRewards();
  // Adds rockets of one type, capped by the capacity.
  void AddRocket(int count, int type);
  void SetAutoReload(int type, int ms);
  void AddHP(float amount);
  // Makes the two ships buddies of each other.
  void AddBuddy(const TShipPtr& other);
  void SetEngine(float power, float speed);
  void SetRocketCapacity(int n);
  void AddRocketCapacity(int n);
  // Sends an enemy away and lets the ship fly faster.
  void Escape();
  // Picks the rocket type for the target; true when a launch makes sense now.
  bool RocketAutoSelector();
  // The AI's rocket decision on its random schedule.
  void KI_RocketFireRoutine();
  // Spawns the hull pieces and turret wrecks of a destroyed ship.
  void CreateTruemmer();
  // Removes every gun whose type ID contains part ("" removes all).
  void RemoveGuns(std::string_view part);
  // Fires every manual gun.
  void Shoot();
  void FireRocket();
  void FireRocketManually(int type);
  void Accelerate(float amount);
  void SideShift(float angle, float strength = 1);
  // The flight step: thrust, top speed, drag, movement, bonus timers, shield glow.
  void Physics();
  void UpdateSpeed();
  float GetSpeed() const { return Speed; }
  // Clears the HUD's debug lines for this frame.
  void DebugHudUpdate();
  // Adds a line to the HUD's debug overlay; only while the debug log is on.
  void DebugHUDAdd(std::string text);
  // Draws the debug lines down the left edge.
  void DebugHUD();

  // The player's head-up display and pointer, drawn over the battle once per frame.
  void DrawHUD();
  // The rocket alarm: its text, a sign towards every rocket homing on the ship at screen point
  // (x, y), and its sound.
  void CheckAndDrawRocketAlarm(float x, float y);
  // The low-HP alarm: text and sound while HP is at 30 % of HP_max or below.
  void CheckAndDrawHpAlarm();
  // The arc of rocket icons above the radar, with the mark under the selected type.
  void HUD_DrawRockets();
  // The speed gauge left of the radar.
  void HUD_DrawSpeed();
  // The hit-point gauge right of the radar.
  void HUD_DrawHP();
  // The timers of the double-damage and shield bonuses.
  void HUD_DrawBoni();
  // The radar centred on screen point (x, y): every object within HUD_RadarRange as a dot.
  void HUD_DrawRadar(float x, float y);

  // True when other is in this ship's BuddyList.
  bool IsBuddy(const TGObject* other) const;
  // The hull placed where hit tests see it now (see HitPlacement), worked out once for all the
  // shots that test it in a frame. Only for a ship with an Image.
  const PlacedImage& HitImage() const { return hitImage_.Place(Image, HitPlacement(X, Y, Rotation)); }
  // Turns Rotation towards heading target by the turning law.
  void TurnTowards(float target);

 private:
  void KeepOrFindTarget();
  void FindTarget();
  void FindEnemyTarget();
  void FindBuddyTarget();
  void FindNearestTarget();
  void AutoReloadRockets();
  void DropDeadBuddies();
  void Die();
  void PlayerStep();
  void EnemyStep();
  void BuddyStep();
  void LeaveBattle();
  void PlayerCheatKeys();
  void PunishIdlePlayer();
  void AddChainKill();
  void DropReferences();
  void DrawStatusLines();
  void DrawTargetPanel(float px, float py);
  void DrawBuddyPanel(float px, float py);
  void DrawAimingLine(float px, float py, float aim);
  void DrawPointer(float aim);
  void AddDebugLines();
  void DrawRadarDot(const TGObject& object, float x, float y, float alpha);
  mutable PlacedImageCache hitImage_;
};

// How long the player has stood still, ms; past 5 s every enemy fires a rocket at it.
extern int PlayerIdleTime;

// Runs one reward command ("key,value") on the player's ship.
void RunRewardCommand(std::string_view command);

}  // namespace tolvex
