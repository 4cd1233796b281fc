// The player's hands on the ship: mouse steering, thrust, weapons, toggles, cheats.
#include "core/GameRequests.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/ShellSounds.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "ui/TMessage.h"
#include "weapons/TGun.h"
#include "weapons/TRocket.h"
#include "weapons/WorldWalk.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

int PlayerIdleTime = 0;

namespace {

constexpr int kIdleLimitMs = 5000;
constexpr int kCheatColor = 0xA700EA;

void CheatMessage(const char* text) {
  TMessage::Add(text, 3000, 1.5f, kCheatColor);
  CheatUsed = 1;
}

}  // namespace

void TShip::PlayerStep() {
  if (Multikilltime > 0) Multikilltime -= FrameTime;
  DebugHudUpdate();
  if (Hyperraum) return;

  const float heading = KeyHeld(KEY_SPACE)
                            ? Rotation
                            : ATan2Deg(PointerX() - (X - CameraX), (Y - CameraY) - PointerY());
  TurnTowards(heading);
  if (RocketAutoSelectComp) RocketAutoSelector();
  if (KeyPressed(LetterKey('C')) || ButtonsHit[2]) KI_target.reset();

  if (KeyHeld(LetterKey('W')) || KeyHeld(KEY_UP)) Accelerate(1);
  if (KeyHeld(KEY_DOWN) || KeyHeld(LetterKey('S'))) Accelerate(-0.5f);
  if (KeyHeld(LetterKey('A'))) SideShift(-90, 1);
  if (KeyHeld(LetterKey('D'))) SideShift(90, 1);

  if (KeyPressed(LetterKey('E'))) FireRocketManually(3);
  if (KeyPressed(KEY_LALT)) RequestScreenshot();
  if (KeyPressed(LetterKey('R'))) RocketAutoSelectComp = !RocketAutoSelectComp;
  if (KeyPressed(LetterKey('T'))) AimHelp = !AimHelp;
  for (int i = 0; i < 4; ++i)
    if (KeyPressed(KEY_0 + 1 + i)) SelectedRockets = static_cast<std::uint8_t>(i);
  // Escape abandons the game: a living ship drops to −1 HP; one already below 0 stays as it is.
  if (KeyPressed(KEY_ESCAPE) && HP > 0) HP = -1.0f;
  PlayerCheatKeys();

  if (ButtonsDown[0]) Shoot();
  if (ButtonsHit[1]) FireRocket();
  PunishIdlePlayer();
}

void TShip::PlayerCheatKeys() {
  // Every cheat key is read each frame, so a press meant for something else (D also strafes)
  // is used up at once and never fires a cheat when Left Ctrl is touched later.
  const bool d = KeyPressed(LetterKey('D')), f = KeyPressed(LetterKey('F')), l = KeyPressed(LetterKey('L')),
             v = KeyPressed(LetterKey('V')), k = KeyPressed(LetterKey('K'));
  if (!KeyHeld(KEY_LCONTROL)) return;
  if (d) {
    AddDoubleDamage(30000);
    CheatMessage("Cheat: Double Damage");
  } else if (f) {
    AddShield(30000);
    CheatMessage("Cheat: Shield");
  } else if (l) {
    Universe->AllEnemyEscape();
    CheatMessage("Cheat: Cowards!");
  } else if (v) {
    for (const char* command : {"rocket0,5", "rocket1,5", "rocket2,5", "rocket3,5", "rocket4,5"})
      RunRewardCommand(command);
    CheatMessage("Cheat: Rocketman!");
  } else if (k) {
    AddKill(nullptr);
    CheatMessage("Cheat: AddKill!");
  }
}

void TShip::PunishIdlePlayer() {
  if (Speed >= 0.5f) {
    PlayerIdleTime = 0;
    return;
  }
  PlayerIdleTime += FrameTime;
  if (PlayerIdleTime <= kIdleLimitMs) return;
  ForEachShip([&](TShip& ship) {
    if (ship.KI != kKIPlayer && !IsBuddy(&ship))
      TRocket::Create(ship.shared_from_this(), ship.Rotation, ship.Speed + 100, Player,
                      static_cast<std::uint8_t>(RandomInt(1, 2)));
    return false;  // new rockets join the back of the world, the ships stay as they are
  });
  PlayerIdleTime = 0;
}

void TShip::Shoot() {
  for (const auto& gun : TGunList) gun->Shoot();
}

void TShip::FireRocket() { FireRocketManually(SelectedRockets); }

void TShip::FireRocketManually(int type) {
  if (type < 0 || type > 3 || Rockets[type] <= 0) return;
  --Rockets[type];
  TShipPtr target;
  if (KI_target && KI_target->Kind() == ObjectKind::Ship) target = std::static_pointer_cast<TShip>(KI_target);
  const auto rocket = TRocket::Create(shared_from_this(), Rotation, Speed + 100, target,
                                      static_cast<std::uint8_t>(type));
  if (KI == kKIBuddy && rocket) rocket->Source = Player;
  PlaySoundAt(Sounds().rocketFire, static_cast<int>(X), static_cast<int>(Y));
}

}  // namespace tolvex
