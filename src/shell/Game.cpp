#include "shell/Game.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "platform/Clock.h"
#include "platform/EmbeddedFiles.h"
#include "platform/GameFolders.h"
#include "platform/Graphics.h"
#include "shell/FrameStats.h"
#include "shell/InputScript.h"
#include "shell/LaunchHooks.h"
#include "shell/LaunchOptions.h"
#include "shell/MainLoop.h"
#include "shell/ReplayPlayer.h"
#include "shell/StartUp.h"

namespace tolvex {

namespace {

void ListAssets() {
  for (const auto& file : EmbeddedFiles()) {
    std::cout << file.name << ' ' << file.bytes.size();
    if (const auto picture = DecodeImageFile(file.bytes)) std::cout << ' ' << picture->width << 'x' << picture->height;
    std::cout << '\n';
  }
}

// The whole of a small text file the player names; nothing (after saying why) when it cannot be read.
std::optional<std::string> ReadNamedFile(const std::string& path, std::string_view what) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "tolvex: cannot read " << what << ' ' << path << '\n';
    return std::nullopt;
  }
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Reads and parses the input script; false (after saying why) when it is missing or malformed.
bool LoadScript(const std::string& path, std::vector<ScriptEvent>& events) {
  if (path.empty()) return true;
  const auto text = ReadNamedFile(path, "input script");
  if (!text) return false;
  auto parsed = ParseInputScript(*text);
  if (!parsed.error.empty()) {
    std::cerr << "tolvex: " << parsed.error << '\n';
    return false;
  }
  events = std::move(parsed.events);
  return true;
}

// Reads a replay and lets it decide the launch; false (after saying why) when it cannot be played.
bool LoadReplay(LaunchOptions& options, std::optional<ReplayPlayer>& replay) {
  if (options.replayFile.empty()) return true;
  const auto text = ReadNamedFile(options.replayFile, "replay");
  if (!text) return false;
  auto parsed = ParseReplay(*text);
  if (!parsed.error.empty()) {
    std::cerr << "tolvex: " << options.replayFile << ": " << parsed.error << '\n';
    return false;
  }
  replay.emplace(std::move(parsed.replay), !options.headless);
  replay->PrepareLaunch(options);
  return true;
}

}  // namespace

int RunGame(const std::vector<std::string>& args) {
  const ParsedLaunch parsed = ParseLaunchOptions(args);
  if (!parsed.error.empty()) {
    std::cerr << "tolvex: " << parsed.error << " (see --help)\n";
    return 2;
  }
  LaunchOptions options = parsed.options;
  if (options.showHelp) {
    std::cout << LaunchUsage();
    return 0;
  }
  if (options.listAssets) {
    ListAssets();
    return 0;
  }
  // A limit on file sizes then fails a write as a full disk does, and the game goes on without
  // that file instead of being killed.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<ScriptEvent> script;
  if (!LoadScript(options.inputScript, script)) return 2;
  std::optional<ReplayPlayer> replay;
  if (!LoadReplay(options, replay)) return 2;
  // A headless run must never reach for a display or a sound card.
  if (options.headless) setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (options.frameMs > 0) UseSteppedClock(options.frameMs);
  UseGameFolders(FindGameFolders(RunningProgramFolder(), std::getenv));
  PreparePlayerFolder();
  const StartUpResult started = StartUp(options);
  if (started != StartUpResult::Ready) {
    ShutDown();
    return started == StartUpResult::PlayerQuit ? 0 : 1;
  }
  LaunchHooks hooks(options, std::move(script), std::move(replay));
  if (options.stats) EnableFrameStats();
  RunMainLoop(hooks);
  if (options.stats) PrintFrameStats(std::cout);
  ShutDown();
  return hooks.Status();
}

}  // namespace tolvex
