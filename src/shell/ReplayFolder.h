#pragma once
// The "replays" folder beside "Highscore.txt" in the player's folder: every finished game is saved
// there under a name of its own, and the folder is tidied as it is saved, so that years of play
// never fill the disk: the newest games stay, and so do the games of the highscore list.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/BinaryFiles.h"
#include "platform/Clock.h"

namespace tolvex {

inline constexpr std::string_view kReplayFolder = "replays";
// How many of the newest games the folder keeps, besides the games of the highscore list.
inline constexpr std::size_t kKeptNewestReplays = 200;

// What a replay's file name tells: when its game ended and its points.
struct ReplayName {
  DateTime ended;
  int points = 0;
  // 1, or the n of a "-n" name: the nth game that ended in that second with those points.
  int copy = 1;
};
// "2026-01-01_00-03-12_4310.txt" or "2026-01-01_00-03-12_4310-2.txt"; nothing for another name.
std::optional<ReplayName> ParseReplayName(std::string_view file);

// A highscore entry whose game's replay is kept: its points and its time stamp as the list holds it.
struct KeptScore {
  int points = 0;
  std::string time;
};

// The replays among the folder's file names that are to go: all but the newest `newest` and those
// holding the game of a kept score (same points, ended within seconds of the entry's time stamp).
// A name that is not a replay's is never among them: the folder may hold files of the player's.
std::vector<std::string> ReplaysToRemove(std::span<const std::string> names, std::span<const KeptScore> kept,
                                         std::size_t newest = kKeptNewestReplays);

// Saves a replay under a name of its own (when the game ended, and its points), then removes the
// replays ReplaysToRemove names, keeping the games of the highscore list in memory. Returns the
// game path it was saved to, or "" (after a line on the debug log) when it cannot be saved.
std::string SaveReplayFile(const FileContents& contents, int points);

}  // namespace tolvex
