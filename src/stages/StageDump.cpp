#include "stages/StageDump.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "core/Globals.h"
#include "stages/TCondition.h"
#include "stages/TLevel.h"

namespace tolvex {

namespace {

int IndexOf(const TLevelPtr& stage) {
  const auto found = std::find(Levels.begin(), Levels.end(), stage);
  return found == Levels.end() ? -1 : static_cast<int>(found - Levels.begin());
}

}  // namespace

void DumpStage(nlohmann::json& dump) {
  if (!CurrentLevel) {
    dump["stage"] = nullptr;
    dump["level"] = nullptr;
    return;
  }
  const TLevel& stage = *CurrentLevel;
  dump["stage"] = stage.Name;
  nlohmann::json& level = dump["level"];
  level["Name"] = stage.Name;
  level["index"] = IndexOf(CurrentLevel);
  level["MaxEnemies"] = stage.MaxEnemies;
  level["birthtime"] = stage.birthtime;
  level["age"] = FrameClock - stage.birthtime;
  auto conditions = nlohmann::json::array();
  for (const TConditionPtr& condition : stage.conclude) {
    nlohmann::json entry;
    condition->Describe(entry);
    conditions.push_back(std::move(entry));
  }
  level["conclude"] = std::move(conditions);
}

}  // namespace tolvex
