#pragma once
// A stage: which enemies arrive, how many at once, its backdrop and the conditions that end it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/StageLink.h"
#include "effects/TAmbient.h"

namespace tolvex {

class TCondition;
class TLevel;
using TLevelPtr = std::shared_ptr<TLevel>;
using TConditionPtr = std::shared_ptr<TCondition>;

class TLevel : public StageLink {
 public:
  // Shown as a message when the stage starts; "" shows nothing.
  std::string Name;
  // Cap on enemy ships alive in the world.
  int MaxEnemies = 0;
  // Ship type IDs that may arrive, and their weights (same index).
  std::vector<std::string> EnemyCollection_ID;
  std::vector<int> EnemyCollection_P;
  int totalchance = 0;
  // The stage's conditions, in the order they are tried.
  std::vector<TConditionPtr> conclude;
  // FrameClock when the stage last started.
  int birthtime = 0;
  TAmbientPtr Ambient;

  // The current stage's name, "" without one.
  static std::string GetCurrentLevelName();
  static TLevelPtr Create(std::string name, int maxEnemies);
  // Makes a stage current (none: the menu stage), cross-fading the backdrops, and starts it.
  static void SetLevel(TLevelPtr stage);
  // The current stage's start time, 0 without one.
  static int GetBirthTime();
  // One frame of the current stage (selecting the menu stage when there is none).
  static void RunLevels();

  // Starts the stage: clock, enemies sent away, its name shown, its conditions armed.
  void Init();
  void AddEnemy(std::string shipTypeId, int weight);
  // Adds every ship type of a faction (in registry order) with the same weight.
  void AddFraction(std::string_view faction, int weight);
  void AddCondition(TConditionPtr condition);
  // Tops up the enemies by one and, while the player lives, tries the conditions.
  void Run();
  // Spawns one enemy picked by weight.
  void NewEnemy();
  const std::string& StageName() const override { return Name; }
  // Passes a message ("shipdeath,<id>") to every condition.
  void TellConditions(std::string_view msg) override;

  // The entry a weighted draw r (1..totalchance) picks, or -1 for none.
  int PickEntry(int r) const;
};

// The current stage; none until the first SetLevel.
extern TLevelPtr CurrentLevel;
// The stage table; index 0 is the menu stage.
extern std::vector<TLevelPtr> Levels;

// Forgets the current stage and the table (tests start from a fresh game).
void ResetStages();

}  // namespace tolvex
