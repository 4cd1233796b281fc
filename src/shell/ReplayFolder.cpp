#include "shell/ReplayFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/Diagnostics.h"
#include "platform/Files.h"
#include "platform/GameFolders.h"
#include "scores/TScore.h"

namespace tolvex {

namespace {

// A replay is saved moments after its highscore entry is stamped, in the same frame; ten seconds
// leave room for a stalled disk, and two games never end so close together.
constexpr std::int64_t kSameGameSeconds = 10;

std::string Folder() { return PlayerPath(kReplayFolder); }

// "2026-01-01_00-03-12_4310.txt", the nth copy "2026-01-01_00-03-12_4310-n.txt".
std::string FileName(const ReplayName& replay) {
  const DateTime& when = replay.ended;
  char name[96];
  std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d_%d", when.year, when.month, when.day, when.hour,
                when.minute, when.second, replay.points);
  return name + (replay.copy > 1 ? "-" + std::to_string(replay.copy) : "") + ".txt";
}

// A name of its own for a game that ends now: a second game ending in the same second with the
// same points is the second copy, and so on.
std::string FreeReplayName(int points) {
  ReplayName replay{CurrentDateTime(), points, 1};
  std::string name = Folder() + "\\" + FileName(replay);
  while (PathKind(name) != 0) ++replay.copy, name = Folder() + "\\" + FileName(replay);
  return name;
}

bool FolderReady() {
  if (PathKind(Folder()) == 0) CreateFolder(Folder());
  return PathKind(Folder()) == 2;
}

struct Replay {
  std::string file;
  std::int64_t ended = 0;
  ReplayName name;
};

bool HoldsGameOf(const Replay& replay, std::span<const KeptScore> kept) {
  return std::any_of(kept.begin(), kept.end(), [&](const KeptScore& score) {
    const auto stamped = ParseScoreTimeStamp(score.time);
    return stamped && score.points == replay.name.points &&
           std::llabs(SecondsSinceEpoch(*stamped) - replay.ended) <= kSameGameSeconds;
  });
}

// The games of the highscore list as it stands: the game just finished is already entered.
std::vector<KeptScore> HighscoreGames() {
  std::vector<KeptScore> kept;
  for (const TScorePtr& entry : TScore::ScoreList()) {
    if (kept.size() == TScore::ListLimit) break;
    kept.push_back({entry->points, entry->time});
  }
  return kept;
}

void RemoveOldReplays() {
  const std::vector<std::string> names = ListFolder(Folder());
  for (const std::string& name : ReplaysToRemove(names, HighscoreGames())) {
    std::error_code error;
    std::filesystem::remove(NativePath(Folder() + "\\" + name), error);
    if (error) WriteDebugLine("Old replay not removed: " + name + ": " + error.message());
  }
}

}  // namespace

std::optional<ReplayName> ParseReplayName(std::string_view file) {
  ReplayName replay;
  DateTime& when = replay.ended;
  const std::string text(file);
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d_%2d-%2d-%2d_%d-%d", &when.year, &when.month, &when.day, &when.hour,
                  &when.minute, &when.second, &replay.points, &replay.copy) < 7)
    return std::nullopt;
  // Only the names the game writes itself: written again from what was read, they come out the same.
  if (FileName(replay) != file) return std::nullopt;
  return replay;
}

std::vector<std::string> ReplaysToRemove(std::span<const std::string> names, std::span<const KeptScore> kept,
                                         std::size_t newest) {
  std::vector<Replay> replays;
  for (const std::string& file : names) {
    if (const auto name = ParseReplayName(file)) replays.push_back({file, SecondsSinceEpoch(name->ended), *name});
  }
  // Newest first; games ending in the same second in the order their names were given.
  std::sort(replays.begin(), replays.end(), [](const Replay& a, const Replay& b) {
    if (a.ended != b.ended) return a.ended > b.ended;
    if (a.name.copy != b.name.copy) return a.name.copy > b.name.copy;
    return a.file > b.file;
  });
  std::vector<std::string> removed;
  for (std::size_t i = newest; i < replays.size(); ++i) {
    if (!HoldsGameOf(replays[i], kept)) removed.push_back(replays[i].file);
  }
  return removed;
}

std::string SaveReplayFile(const FileContents& contents, int points) {
  if (!FolderReady()) {
    WriteDebugLine("Replay not saved: " + Folder() + " is not a folder that can be made");
    return "";
  }
  const std::string name = FreeReplayName(points);
  if (!ReplaceFile(name, contents)) {
    WriteDebugLine("Replay not saved: " + name + " cannot be written");
    return "";
  }
  RemoveOldReplays();
  return name;
}

}  // namespace tolvex
