#pragma once
// What ends a stage or pays a milestone: a test, an optional AND partner, a next stage and rewards.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "stages/TLevel.h"

namespace tolvex {

class TCondition {
 public:
  virtual ~TCondition() = default;

  // May fire; armed by Init, cleared when it fires.
  bool aktive = false;
  // The stage that follows when it fires; the table owns every stage, so this does not.
  std::weak_ptr<TLevel> NextLevel;
  // Reward commands paid when it fires, in order.
  std::vector<std::string> Reward;
  // A further condition that must hold too.
  TConditionPtr AndCondition;

  void AddReward(std::string command);
  // Pays the AND partner's rewards first, then its own.
  void GiveRewards();
  // Fires when armed and true: next stage, rewards, sound; true when it fired.
  bool Run();
  // Arms the condition when its stage starts.
  virtual void Init();
  // Its own test and then the AND partner's.
  virtual bool Check();
  void SetAndCondition(TConditionPtr condition);
  void SetNextLevel(const TLevelPtr& stage);
  // Hears a message from its stage; plain conditions ignore it.
  virtual void Tell(std::string_view msg);

  // The condition's state for a state dump, its AND partner nested.
  void Describe(nlohmann::json& out) const;

 protected:
  // The AND partner's verdict: true without one.
  bool CheckAnd();
  // The subtype's name and own fields for a state dump.
  virtual void DescribeOwn(nlohmann::json& out) const = 0;
};

}  // namespace tolvex
