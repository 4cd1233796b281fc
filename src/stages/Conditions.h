#pragma once
// The four kinds of stage condition: points, kills, kills of one ship type, time in the stage.
#include <memory>
#include <string>

#include "stages/TCondition.h"

namespace tolvex {

// Points the player gained since the stage started.
class TCondition_newpoints : public TCondition {
 public:
  int oldpoints = 0;
  int points = 0;
  static std::shared_ptr<TCondition_newpoints> Create(int points, const TLevelPtr& next);
  // Arms it and takes the player's points as the baseline.
  void Init() override;
  bool Check() override;

 protected:
  void DescribeOwn(nlohmann::json& out) const override;
};

// Kills the player made since the stage started (or, as an AND partner, in the whole game).
class TCondition_newkills : public TCondition {
 public:
  int oldkills = 0;
  int kills = 0;
  static std::shared_ptr<TCondition_newkills> Create(int kills, const TLevelPtr& next);
  // Arms it and takes the player's kills as the baseline.
  void Init() override;
  bool Check() override;

 protected:
  void DescribeOwn(nlohmann::json& out) const override;
};

// Kills of one ship type during this visit of its stage, counted through "shipdeath" messages.
class TCondition_killshiptype : public TCondition {
 public:
  std::string shipid;
  int number = 0;
  int counter = 0;
  static std::shared_ptr<TCondition_killshiptype> Create(std::string_view shipId, int number);
  // Arms it and starts the count afresh: only kills of this visit end the stage.
  void Init() override;
  // Counts a "shipdeath,<id>" message naming its ship type.
  void Tell(std::string_view msg) override;
  bool Check() override;

 protected:
  void DescribeOwn(nlohmann::json& out) const override;
};

// Time spent in the current stage, strictly more than selftime ms.
class TCondition_leveltime : public TCondition {
 public:
  int selftime = 0;
  static std::shared_ptr<TCondition_leveltime> Create(int ms, const TLevelPtr& next);
  bool Check() override;

 protected:
  void DescribeOwn(nlohmann::json& out) const override;
};

}  // namespace tolvex
