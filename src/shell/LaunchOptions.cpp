#include "shell/LaunchOptions.h"

#include <charconv>

#include "platform/Graphics.h"

namespace tolvex {

namespace {

// A whole number in [low, high], or nothing.
std::optional<long long> ParseNumber(const std::string& text, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<FrameFile> ParseFrameFile(const std::string& text) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon + 1 >= text.size()) return std::nullopt;
  const auto frame = ParseNumber(text.substr(0, colon), 1, 1'000'000'000);
  if (!frame) return std::nullopt;
  return FrameFile{static_cast<int>(*frame), text.substr(colon + 1)};
}

bool ParseSize(const std::string& text, LaunchOptions& options) {
  const auto x = text.find('x');
  if (x == std::string::npos) return false;
  const auto width = ParseNumber(text.substr(0, x), 64, kMaxScreenSide);
  const auto height = ParseNumber(text.substr(x + 1), 64, kMaxScreenSide);
  if (!width || !height) return false;
  options.width = static_cast<int>(*width), options.height = static_cast<int>(*height);
  return true;
}

std::optional<GameStateId> ParseState(const std::string& text) {
  if (text == "menu") return kStateMainMenu;
  if (text == "game") return kStateGame;
  if (text == "highscore") return kStateHighscore;
  return std::nullopt;
}

// Applies an option that takes a value; false when the value is malformed.
bool ApplyValue(const std::string& name, const std::string& value, LaunchOptions& options) {
  if (name == "--size") return ParseSize(value, options);
  if (name == "--frames") {
    const auto n = ParseNumber(value, 1, 1'000'000'000);
    return n && (options.frames = static_cast<int>(*n), true);
  }
  if (name == "--games") {
    const auto n = ParseNumber(value, 1, 1'000'000);
    return n && (options.games = static_cast<int>(*n), true);
  }
  if (name == "--frame-ms") {
    const auto n = ParseNumber(value, 1, 1000);
    return n && (options.frameMs = static_cast<int>(*n), true);
  }
  if (name == "--seed") {
    const auto n = ParseNumber(value, 0, 4294967295LL);
    return n && (options.seed = static_cast<std::uint32_t>(*n), true);
  }
  if (name == "--start") {
    const auto state = ParseState(value);
    return state && (options.start = *state, true);
  }
  if (name == "--input") return !value.empty() && (options.inputScript = value, true);
  if (name == "--replay") return !value.empty() && (options.replayFile = value, true);
  const auto file = ParseFrameFile(value);
  if (!file) return false;
  (name == "--screenshot" ? options.screenshots : options.dumps).push_back(*file);
  return true;
}

bool TakesValue(const std::string& name) {
  for (const char* option : {"--size", "--frames", "--games", "--frame-ms", "--seed", "--start", "--input", "--replay",
                             "--screenshot", "--dump"}) {
    if (name == option) return true;
  }
  return false;
}

// A replay's file decides these; the command line may not.
bool ReplayDecidesMore(const LaunchOptions& options) {
  return options.width > 0 || options.frameMs > 0 || options.seed || options.start != kStateMainMenu ||
         !options.inputScript.empty() || options.autopilot;
}

}  // namespace

ParsedLaunch ParseLaunchOptions(const std::vector<std::string>& args) {
  ParsedLaunch parsed;
  auto& options = parsed.options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--headless") options.headless = true;
    else if (name == "--list-assets") options.listAssets = true;
    else if (name == "--autopilot") options.autopilot = true;
    else if (name == "--stats") options.stats = true;
    else if (name == "--uncapped") options.uncapped = true;
    else if (name == "--help" || name == "-h") options.showHelp = true;
    else if (!TakesValue(name)) parsed.error = "unknown option " + name;
    else if (i + 1 >= args.size()) parsed.error = name + " needs a value";
    else if (!ApplyValue(name, args[i + 1], options)) parsed.error = "bad value for " + name + ": " + args[i + 1];
    else ++i;
    if (!parsed.error.empty()) break;
  }
  if (parsed.error.empty() && !options.replayFile.empty() && ReplayDecidesMore(options)) {
    parsed.error = "--replay brings its own seed, size, start, clock and input";
  }
  return parsed;
}

std::string LaunchUsage() {
  return "usage: tolvex [options]\n"
         "  --headless                  no window, no audio; draw offscreen\n"
         "  --size WxH                  screen size (headless default 1280x720)\n"
         "  --frames N                  stop after N frames\n"
         "  --games N                   stop 3 s after the Nth game ends; print how each game went\n"
         "  --frame-ms MS               the clock advances exactly MS per frame\n"
         "  --seed N                    seed the random generator with N\n"
         "  --start menu|game|highscore the state entered after start-up\n"
         "  --input FILE                replay scripted input\n"
         "  --replay FILE               play a saved game back (from the replays folder)\n"
         "  --screenshot N:FILE         save the screen as PNG after frame N (repeatable)\n"
         "  --dump N:FILE               write the game state as JSON after frame N (repeatable)\n"
         "  --autopilot                 the computer plays: flies, fights and starts new games\n"
         "  --stats                     at exit: frame times, time per frame phase, draw calls, peaks\n"
         "  --uncapped                  a window draws as many frames as it can, not one per display refresh\n"
         "  --list-assets               print every embedded file and exit\n";
}

}  // namespace tolvex
