// Hit points, score, bonuses, rocket stock, kills and what a ship leaves behind.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/GameRequests.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/ShellSounds.h"
#include "effects/TBGObject.h"
#include "platform/Clock.h"
#include "scores/RankTitle.h"
#include "ui/TMessage.h"
#include "weapons/TGun.h"
#include "world/DebrisImages.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

constexpr int kChainWindowMs = 3000;
constexpr int kChainColor = 0xB00000;

// Throws a background object out with the drift of a wreck.
void LaunchWreck(const std::shared_ptr<TBGObject>& wreck, float direction) {
  if (!wreck) return;
  wreck->direction = direction;
  // One draw after the other, so a seed throws the same wreckage whatever the compiler.
  const float speed = RandomFloat(0, 300);
  const float zspeed = RandomFloat(0.01f, 0.1f);
  const float rotationspeed = RandomFloat(-100, 100);
  wreck->SetSpeed(speed, zspeed, 0, rotationspeed);
}

}  // namespace

void TShip::DealDamage(float amount) {
  if (BONUS_Shield != 0) {
    amount /= 2;
    shieldhit = 1;
  }
  float lost = amount / armor;
  if (KI == kKIPlayer) lost *= Difficulty;
  HP -= lost;
}

void TShip::AddHP(float amount) {
  HP += amount;
  if (HP > HP_max) HP_max = HP;
  for (const auto& buddy : BuddyList) buddy->HP += amount / 4;
}

void TShip::AddPoints(int n) {
  if (!Dead) Points += n * Difficulty;
}

void TShip::AddShield(int ms) { BONUS_Shield += ms; }

void TShip::AddDoubleDamage(int ms) { BONUS_Doubledamage += ms; }

void TShip::AddRocket(int count, int type) {
  if (type < 0 || type > 3) return;
  Rockets[type] = std::min(Rockets[type] + count, RocketCapacity[type]);
}

void TShip::SetAutoReload(int type, int ms) {
  if (type < 0 || type > 3) return;
  RocketAutoReloadTime[type] = ms;
  // As if the last reload were a whole interval ago, whatever the clock says now,
  // so the first rocket comes with the next frame.
  RocketLastAutoReload[type] = FrameClock - ms - 1;
}

void TShip::SetRocketCapacity(int n) {
  RocketCapacity = {3 * n, 2 * n, n, static_cast<int>(n * 0.5f)};
}

void TShip::AddRocketCapacity(int n) {
  RocketCapacity[0] += 3 * n;
  RocketCapacity[1] += 2 * n;
  RocketCapacity[2] += n;
  RocketCapacity[3] = static_cast<int>(RocketCapacity[3] + n * 0.5f);
}

void TShip::AddReward(std::string command) { Reward_List.push_back(std::move(command)); }

void TShip::GiveRewards() {
  // A reward may rebuild the player's ship and with it a reward list: walk a copy.
  const std::vector<std::string> rewards = Reward_List;
  for (const std::string& command : rewards) RunRewardCommand(command);
}

void TShip::AddKill(const TShipPtr&) {
  if (Dead) return;
  ++Kills;
  if (KI != kKIPlayer) {
    AddRocket(1, 0);
    AddRocket(1, 1);
    AddRocket(1, 2);
    HP += 50;
    return;
  }
  PlaySoundAt(Sounds().getPoint, static_cast<int>(X), static_cast<int>(Y));
  if (Multikilltime < 1) Multikillcounter = 1;
  else AddChainKill();
  Multikilltime = kChainWindowMs;
}

void TShip::AddChainKill() {
  const int c = ++Multikillcounter;
  MultikillHighest = std::max(MultikillHighest, c);
  if (c == 2) {
    TMessage::Add("Doublekill", 5000, 1.5f, kChainColor);
    PlaySoundAt(Sounds().doubleKill, static_cast<int>(X), static_cast<int>(Y));
  } else if (c % 5 == 0 && c <= 35) {
    TMessage::Add("!!!" + RankTitle(c) + "!!! ", 8000, 1.5f, kChainColor);
    if (c < 35) {
      const std::string k = std::to_string(c / 5);
      TMessage::Add("Reward: 0+0+" + k + " rockets", 8000, 1.0f, kChainColor);
      RunRewardCommand("rocket2," + k);
      PlaySoundAt(Sounds().bonsai, static_cast<int>(X), static_cast<int>(Y));
    } else {
      TMessage::Add("Reward: 6+6+6 rockets", 8000, 1.0f, kChainColor);
      for (const char* command : {"rocket0,6", "rocket1,6", "rocket2,6"}) RunRewardCommand(command);
      PlaySoundAt(Sounds().evilLaugh, static_cast<int>(X), static_cast<int>(Y));
    }
  } else {
    TMessage::Add("Multikill " + std::to_string(c), 3000, 1.5f, kChainColor);
    PlaySoundAt(Sounds().multiKill, static_cast<int>(X), static_cast<int>(Y));
  }
  switch (RandomInt(0, 3)) {
    case 0:
      RunRewardCommand("doubledamage,10000");
      TMessage::Add("Bonus: Doubledamage for 10 seconds", 5000, 1.0f, kChainColor);
      break;
    case 1:
      RunRewardCommand("shield,10000");
      TMessage::Add("Bonus: Shield for 10 seconds", 5000, 1.0f, kChainColor);
      break;
    default:
      AddPoints(c * 10);
      TMessage::Add("Bonus: " + std::to_string(c * 10) + " points", 5000, 1.0f, kChainColor);
      break;
  }
}

void TShip::CreateTruemmer() {
  const int r0 = ImageRadius;
  const int pieces = static_cast<int>(r0 / 5 + std::sqrt(Mass));
  for (int i = 1; i <= pieces; ++i) {
    const float d = Direction + RandomFloat(-90, 90);
    const float r = RandomFloat(0, static_cast<float>(r0));
    const ImagePtr& image = DebrisImages[RandomInt(0, 15)];
    const auto piece = TBGObject::Create(image, X + SinDeg(d) * r, Y - CosDeg(d) * r, 1,
                                         static_cast<float>(RandomInt(0, 360)));
    LaunchWreck(piece, d + RandomFloat(-5, 5));
  }
  for (const auto& gun : TGunList) {
    const ImagePtr turret = gun->Info ? gun->Info->TurretImg : nullptr;
    const auto wreck = TBGObject::Create(turret, gun->GetX(), gun->GetY(), 1, gun->Direction);
    const float heading = RandomFloat(0, 360);
    LaunchWreck(wreck, heading + RandomFloat(-5, 5));
  }
}

void TShip::RemoveGuns(std::string_view part) {
  for (const auto& gun : TGunList) {
    if (part.empty() || (gun->Info && gun->Info->ID.find(part) != std::string::npos)) gun->Remove();
  }
}

void TShip::Remove() {
  // A ship leaves the game once; a second call would throw out a second wreck.
  if (Dead && !Link) return;
  Dead = 1;
  CreateTruemmer();
  if (KI == kKIPlayer) {
    for (const auto& buddy : BuddyList)
      if (!buddy->Dead) buddy->Remove();
    BuddyList.Clear();
    SetGameState(kStateHighscore);
  }
  RemoveGuns("");
  Reward_List.clear();
  TGObject::Remove();
  DropReferences();
}

void TShip::DropReferences() {
  // Targets and buddies are never used again; letting go breaks reference cycles.
  KI_target.reset();
  BuddyList.Clear();
}

}  // namespace tolvex
