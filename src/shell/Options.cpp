#include "shell/Options.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include <nlohmann/json.hpp>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/BinaryFiles.h"
#include "platform/Diagnostics.h"
#include "platform/Files.h"
#include "platform/GameFolders.h"
#include "platform/Graphics.h"

namespace tolvex {

namespace {

// The game writes about two hundred bytes; a file far beyond that is read only this far, so a
// huge or binary file costs no time at start-up.
constexpr std::size_t kMaxOptionsBytes = 64 * 1024;

// A headless run's screen when there is no settings file.
constexpr int kHeadlessWidth = 1280, kHeadlessHeight = 720;

// The settings as they were read at start-up, for the state dump (the globals move on: the
// online check and the playlist change theirs).
struct ReadSettings {
  int width = 0, height = 0, depth = 0;
  int cameraDelay = 0;
  float sfxVolume = 0, musicVolume = 0;
  int songNumber = 0;
  int onlineHighscore = 0;
  std::string playerName;
};
ReadSettings readSettings;

void RememberSettings() {
  readSettings = {GfxWidth,   GfxHeight,  GfxDepth,        CameraDelay, SfxVolume,
                  MusicVolume, SongNumber, OnlineHighscore, PlayerName};
}

// The nine settings after the version line, with the conversions the file's values get.
void ApplyOptionsFile(std::istream& file) {
  GfxWidth = TextToInt(ReadOption(file, "GFX X"));
  GfxHeight = TextToInt(ReadOption(file, "GFX Y"));
  // Any value after "0" in text order means full screen: "1", "yes", even "00"; "-1" does not.
  GfxDepth = ReadOption(file, "GFX Full") > "0" ? 32 : 0;
  const int cameraMode = TextToInt(ReadOption(file, "GFX Camera Delay")) & 0xFF;
  CameraDelay = static_cast<std::uint8_t>(cameraMode > 2 ? 0 : cameraMode);
  SfxVolume = TextToFloat(ReadOption(file, "SoundEffectVolume")) / 100.0f;
  MusicVolume = TextToFloat(ReadOption(file, "MusicVolume")) / 100.0f;
  SongNumber = std::max(0, TextToInt(ReadOption(file, "SongNumber")));
  OnlineHighscore = (TextToInt(ReadOption(file, "OnlineHighscore")) & 0xFF) != 0 ? 1 : 0;
  PlayerName = ReadOption(file, "Player");
}

// The ten lines of "Options.ini" for the settings in the globals.
std::string OptionsText() {
  std::string text;
  // Lines end as they do on the game's home system, with CR LF; the game reads either.
  const auto line = [&text](std::string_view key, const std::string& value) {
    text.append(key).append("=").append(value).append("\r\n");
  };
  line("Version", kOptionsVersion);
  line("GFX X", std::to_string(GfxWidth));
  line("GFX Y", std::to_string(GfxHeight));
  line("GFX Full", GfxDepth > 0 ? "1" : "0");
  line("GFX Camera Delay", std::to_string(CameraDelay));
  line("SoundEffectVolume", std::to_string(VolumePercent(SfxVolume)));
  line("MusicVolume", std::to_string(VolumePercent(MusicVolume)));
  line("SongNumber", std::to_string(SongNumber));
  line("OnlineHighscore", std::to_string(OnlineHighscore));
  line("Player", PlayerName);
  return text;
}

}  // namespace

std::string ReadOption(std::istream& file, std::string_view key) {
  file.clear();
  file.seekg(0);
  std::string line;
  while (std::getline(file, line)) {
    const auto equals = line.find('=');
    if (equals == std::string::npos || std::string_view(line).substr(0, equals) != key) continue;
    std::string value = line.substr(equals + 1);
    if (!value.empty() && value.back() == '\r') value.pop_back();
    return value;
  }
  return "0";
}

void SetDefaultOptions(int width, int height, int depth) {
  GfxWidth = width, GfxHeight = height, GfxDepth = depth;
  CameraDelay = 0;
  SfxVolume = 0.7f;
  MusicVolume = 1.0f;
  SongNumber = 3;
  OnlineHighscore = 1;
  PlayerName = "New Player";
}

long long VolumePercent(float volume) {
  if (std::isnan(volume)) return 0;
  const double percent = std::clamp(static_cast<double>(volume) * 100.0, -1e9, 1e9);
  // A volume read from the file is a whole percentage divided by 100 in float arithmetic, a hair
  // above or below it (0.7f is not 0.7): the whole number that reads back as this very volume is
  // its ceiling. Otherwise a fraction of a percent rounds up: 70.5 % gives 71.
  const double nearest = std::round(percent);
  if (static_cast<float>(nearest) / 100.0f == volume) return static_cast<long long>(nearest);
  return static_cast<long long>(std::ceil(percent));
}

bool SaveOptions() {
  // Written beside the old file and put in its place in one step: a full disk or a crash while
  // writing leaves the settings the player had, never half a file.
  const std::string text = OptionsText();
  const std::string path = PlayerPath(kOptionsFile);
  if (ReplaceFile(path, TextBytes(text))) return true;
  WriteDebugLine("Settings not saved: " + path + " cannot be written");
  return false;
}

bool LoadOptions(FirstRun firstRun, const DialogFrameHook& beforeFrame) {
  auto text = ReadFileHead(PlayerPath(kOptionsFile), kMaxOptionsBytes);
  // Some editors put a byte-order mark before the first line; it must not hide "Version".
  if (text && text->starts_with("\xEF\xBB\xBF")) text->erase(0, 3);
  std::istringstream file(text.value_or(""));
  if (text && ReadOption(file, "Version") == kOptionsVersion) {
    ApplyOptionsFile(file);
  } else if (firstRun == FirstRun::UseDefaults) {
    SetDefaultOptions(kHeadlessWidth, kHeadlessHeight, 0);
    // Nobody asked a headless run to go online: without a file that says so it stays offline,
    // so tests and soak runs never wait on the network.
    OnlineHighscore = 0;
  } else {
    int width = 0, height = 0, depth = 0;
    DesktopMode(width, height, depth);
    SetDefaultOptions(width, height, depth);
    const DialogResult result = OptionsDialog(beforeFrame);
    if (result == DialogResult::Cancelled) return false;
    // Without a window nobody could confirm anything: go on with the defaults, write nothing.
    if (result == DialogResult::Confirmed) SaveOptions();
  }
  if (PlayerName.empty()) PlayerName = "Pilot";
  RememberSettings();
  return true;
}

void DumpOptions(nlohmann::json& dump) {
  const ReadSettings& s = readSettings;
  dump["options"] = {{"Version", kOptionsVersion},         {"GfxWidth", s.width},
                     {"GfxHeight", s.height},        {"GfxDepth", s.depth},
                     {"CameraDelay", s.cameraDelay}, {"SfxVolume", s.sfxVolume},
                     {"MusicVolume", s.musicVolume}, {"SongNumber", s.songNumber},
                     {"OnlineHighscore", s.onlineHighscore}, {"PlayerName", s.playerName}};
}

}  // namespace tolvex
