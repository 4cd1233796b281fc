#include "stages/TCondition.h"

#include <nlohmann/json.hpp>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/ShellSounds.h"
#include "world/TShip.h"

namespace tolvex {

void TCondition::AddReward(std::string command) { Reward.push_back(std::move(command)); }

void TCondition::GiveRewards() {
  if (AndCondition) AndCondition->GiveRewards();
  for (const std::string& command : Reward) RunRewardCommand(command);
}

bool TCondition::Run() {
  if (!aktive || !Check()) return false;
  // The next stage starts first, so reward points count towards it and its name is shown before the rewards.
  if (const TLevelPtr next = NextLevel.lock()) TLevel::SetLevel(next);
  GiveRewards();
  if (Player) PlaySoundAt(Sounds().nextStage, static_cast<int>(Player->X), static_cast<int>(Player->Y));
  aktive = false;
  return true;
}

void TCondition::Init() { aktive = true; }

bool TCondition::Check() { return CheckAnd(); }

bool TCondition::CheckAnd() { return AndCondition ? AndCondition->Check() : true; }

void TCondition::SetAndCondition(TConditionPtr condition) { AndCondition = std::move(condition); }

void TCondition::SetNextLevel(const TLevelPtr& stage) { NextLevel = stage; }

void TCondition::Tell(std::string_view) {}

void TCondition::Describe(nlohmann::json& out) const {
  DescribeOwn(out);
  out["aktive"] = aktive;
  const TLevelPtr next = NextLevel.lock();
  out["NextLevel"] = next ? nlohmann::json(next->Name) : nlohmann::json(nullptr);
  out["AndCondition"] = nullptr;
  if (AndCondition) AndCondition->Describe(out["AndCondition"]);
}

}  // namespace tolvex
