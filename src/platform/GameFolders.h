#pragma once
// Where the game's files lie. It reads the files it ships with ("sfx" and the songs in "music")
// and keeps the player's own ("Options.ini", "Highscore.txt", "screenshots", "replays" and a
// "music" folder for the player's songs). Run from its build folder, both are the working folder,
// as they always were; installed, the shipped files lie in <prefix>/share/tolvex and the player's
// under $XDG_DATA_HOME/tolvex, so the game never writes into the prefix.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tolvex {

// Two folders, each as the text put before a game path: "" for the working folder, else a
// folder ending in "/".
struct GameFolders {
  // Where the shipped files are read from.
  std::string shipped;
  // Where the player's files are kept.
  std::string player;

  bool operator==(const GameFolders&) const = default;
};

// The value of an environment variable, or null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The folders of a program that lies in programFolder: an installed one when a
// "../share/tolvex" folder lies beside it, else the working folder for both. The player's folder
// is $XDG_DATA_HOME/tolvex, or ~/.local/share/tolvex when that is unset, empty or not absolute;
// the working folder when no home folder can be found either.
GameFolders FindGameFolders(const std::filesystem::path& programFolder, const EnvironmentLookup& environment);
// The folder the running program lies in, from the system; empty when it cannot be told.
std::filesystem::path RunningProgramFolder();

// The folders the game uses from now on (both the working folder until this is called).
void UseGameFolders(GameFolders folders);
const GameFolders& CurrentGameFolders();
// Makes the player's folder with its parents; false (after a line on the debug log) when it
// cannot be made, and the game goes on without the files it would have written there.
bool PreparePlayerFolder();

// The path of a file the game ships with, given as the game names it ("sfx\alarm2.wav"); an
// absolute path stays as it is.
std::string ShippedPath(std::string_view gamePath);
// The path of one of the player's files, given as the game names it ("Options.ini"); an absolute
// path stays as it is.
std::string PlayerPath(std::string_view gamePath);

}  // namespace tolvex
