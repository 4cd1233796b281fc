#include "scores/ScoreDump.h"

#include <nlohmann/json.hpp>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "scores/TScore.h"

namespace tolvex {

void DumpHighscores(nlohmann::json& dump) {
  auto entries = nlohmann::json::array();
  for (const TScorePtr& entry : TScore::ScoreList()) {
    entries.push_back({{"name", Latin1ToUtf8(entry->name)},
                       {"points", entry->points},
                       {"time", Latin1ToUtf8(entry->time)},
                       {"rank", entry->rank},
                       {"online", entry->online},
                       {"new", entry->newentry}});
  }
  dump["highscores"] = std::move(entries);
  dump["bestrank"] = BestRank;
  dump["bestrankpilot"] = Latin1ToUtf8(BestRankPilot);
}

}  // namespace tolvex
