#pragma once
// The command line: headless and deterministic runs, scripted input, pictures and dumps.
#include <optional>
#include <string>
#include <vector>

#include "core/Globals.h"

namespace tolvex {

// A file to write after a given frame.
struct FrameFile {
  int frame = 0;
  std::string path;
};

// Everything the command line can ask for.
struct LaunchOptions {
  bool headless = false;
  int width = 0, height = 0;  // 0: from the settings (headless default 1280×720)
  int frames = 0;             // 0: run until quit
  // 0: play on; n: end the run once n games have finished and the last highscore screen has been
  // up for a few seconds, saying how each game went.
  int games = 0;
  int frameMs = 0;            // 0: the real clock
  std::optional<std::uint32_t> seed;
  GameStateId start = kStateMainMenu;
  std::string inputScript;
  std::vector<FrameFile> screenshots;
  std::vector<FrameFile> dumps;
  // The computer flies the player's ship through the player's own controls.
  bool autopilot = false;
  // A saved game to play back instead of the player's hands.
  std::string replayFile;
  // Set while a replay plays: no first-run window, no online traffic, no files of finished games
  // written, and these settings instead of the ones in "Options.ini".
  bool replaying = false;
  std::optional<int> cameraDelay;
  std::optional<bool> online;
  std::optional<std::string> playerName;
  bool listAssets = false;
  // Print frame statistics when the program ends.
  bool stats = false;
  bool showHelp = false;
  // The window's frames are not capped at the display's refresh rate.
  bool uncapped = false;

  // A window on the real clock shows at most one frame per display refresh, unless the player
  // asks for every frame the machine can draw; headless and stepped runs go as fast as they can.
  // A replay paces itself.
  bool CapsFrameRate() const { return !headless && !uncapped && frameMs == 0 && replayFile.empty(); }
};

// The parsed options, or the one-line reason the command line is wrong.
struct ParsedLaunch {
  LaunchOptions options;
  std::string error;
};

ParsedLaunch ParseLaunchOptions(const std::vector<std::string>& args);
// The usage text printed by --help.
std::string LaunchUsage();

}  // namespace tolvex
