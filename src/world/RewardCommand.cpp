// The reward language: "key,value" texts paid out to the player's ship.
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/Globals.h"
#include "core/StageLink.h"
#include "ui/TMessage.h"
#include "weapons/TGun.h"
#include "world/PlayerShip.h"
#include "world/Spawning.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

constexpr int kDifficultyColor = 0x8100FA;
constexpr int kMessageColor = 0x08A600;
constexpr int kCapacityColor = 0xFF5B01;
constexpr int kNewShipColor = 0xFF0701;

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

// The number a text starts with; 0 for text that does not start with one.
int LeadingInt(const std::string& text) { return static_cast<int>(std::strtol(text.c_str(), nullptr, 10)); }
// The same for a fraction; "inf" and "nan" are not numbers of the game.
float LeadingFloat(const std::string& text) {
  const float value = std::strtof(text.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0f;
}

void IncreasedDifficulty() { TMessage::Add("Increased difficulty", 8000, 1.5f, kDifficultyColor); }

void GiveBonusGun(TShip& player) {
  ++BonusGunLevel;
  player.RemoveGuns("DL");
  const char* gun = BonusGunLevel == 2 ? "DL-3000" : BonusGunLevel == 3 ? "DL-3500" : "DL-4000";
  TGun::Create(Player, 0, 15, gun, 0);
  if (BonusGunLevel >= 2 && BonusGunLevel <= 4)
    TMessage::Add(std::string("New gun: ") + gun, 8000, 1.5f, kCapacityColor);
}

void GiveBonusShip(const TShip& player) {
  if (player.id == "pj_modernx") {
    CreatePlayerShip("pj_darkstar_se");
    TMessage::Add("New ship: Darkstar SE", 8000, 1.5f, kNewShipColor);
  } else if (player.id == "pj_darkstar_se") {
    CreatePlayerShip("pj_darkx");
    TMessage::Add("New ship: Dark X", 8000, 1.5f, kNewShipColor);
  }
}

void IncreaseRocketCapacity(TShip& player, int n) {
  player.AddRocketCapacity(n);
  const auto& c = player.RocketCapacity;
  TMessage::Add("Increased rocket capacity " + std::to_string(c[0]) + "/" + std::to_string(c[1]) + "/" +
                    std::to_string(c[2]) + "/" + std::to_string(c[3]),
                8000, 1.5f, kCapacityColor);
}

}  // namespace

void RunRewardCommand(std::string_view command) {
  if (!Player) return;
  TShip& player = *Player;
  const std::size_t comma = command.find(',');
  const std::string key = LowerAscii(command.substr(0, comma));
  const std::string value(comma == std::string_view::npos ? command : command.substr(comma + 1));

  if (key.size() == 7 && key.starts_with("rocket") && key[6] >= '0' && key[6] <= '3') {
    player.AddRocket(LeadingInt(value), key[6] - '0');
  } else if (key == "points") {
    player.AddPoints(LeadingInt(value));
  } else if (key == "doubledamage") {
    player.AddDoubleDamage(LeadingInt(value));
  } else if (key == "shield") {
    player.AddShield(LeadingInt(value));
  } else if (key == "hp") {
    player.AddHP(static_cast<float>(LeadingInt(value)));
  } else if (key == "multiplydifficulty") {
    Difficulty *= LeadingFloat(value);
    IncreasedDifficulty();
  } else if (key == "adddifficulty") {
    Difficulty += LeadingFloat(value);
    IncreasedDifficulty();
  } else if (key == "msg") {
    TMessage::Add(value, 5000, 1.5f, kMessageColor);
  } else if (key == "increase rocket capacity") {
    IncreaseRocketCapacity(player, LeadingInt(value));
  } else if (key == "bonusgun") {
    GiveBonusGun(player);
  } else if (key == "bonusship") {
    GiveBonusShip(player);
  } else if (key == "buddy") {
    SpawnBuddy();
  } else if (key == "telldeath") {
    TellRunningStage("shipdeath," + value);
  }
}

}  // namespace tolvex
