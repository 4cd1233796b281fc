// The highscore list's side of the online table: the version check, and the update button's
// submissions and fetch.
#include <string>
#include <vector>

#include "core/Globals.h"
#include "platform/Diagnostics.h"
#include "scores/OnlineBanner.h"
#include "scores/OnlineClient.h"
#include "scores/TScore.h"

namespace tolvex {

namespace {

SubmitOutcome SubmitUnderBanner(const std::string& name, int points, const std::string& time, int rank) {
  ShowOnlineBanner("Send Highscores to Website...");
  WriteDebugLine("Send: " + name + " | " + std::to_string(points) + " | " + time + " | " + std::to_string(rank));
  return SubmitOnlineRecord({name, points, time, rank});
}

}  // namespace

bool TScore::Connect() {
  if (CheckOnlineVersion()) return true;
  OnlineHighscore = 0;
  return false;
}

bool TScore::Highscore_Submit(const std::string& name, int points, const std::string& time, int rank) {
  return SubmitUnderBanner(name, points, time, rank) == SubmitOutcome::Stored;
}

bool TScore::Highscore_Get(int limit) {
  ShowOnlineBanner("Get Highscores from Website...");
  std::vector<OnlineRecord> records;
  if (!FetchOnlineRecords(limit, records)) return false;
  // The name is cleaned before the list looks for it: a name the list would change ("a=b") is
  // then found again on the next update instead of being added once more every time.
  for (OnlineRecord& record : records)
    Add(CleanScoreName(std::move(record.name)), record.points, std::move(record.time), record.rank, true);
  return true;
}

void TScore::OnlineUpdate() {
  if (!OnlineHighscore) return;
  // A server that cannot be reached costs one wait, not one per entry: the entries not sent yet
  // stay unmarked and go out with the next update.
  bool reachable = true;
  for (const TScorePtr& entry : ScoreList()) {
    if (entry->online || !reachable) continue;
    const SubmitOutcome outcome = SubmitUnderBanner(entry->name, entry->points, entry->time, entry->rank);
    entry->online = outcome == SubmitOutcome::Stored;
    reachable = outcome != SubmitOutcome::Unreachable;
  }
  if (reachable) Highscore_Get(10);
  Save();
}

}  // namespace tolvex
