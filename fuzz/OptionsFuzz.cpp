// "Options.ini": whatever the file holds, the game starts with settings it can use, and the file it
// writes for those settings reads back as the very same settings.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "core/Globals.h"
#include "shell/Options.h"

namespace tolvex::fuzz {

namespace {

// A working folder of the target's own, in memory where there is one: the game saves its settings
// with a flush to disk, which costs nothing there.
const std::filesystem::path& FuzzFolder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path shm = "/dev/shm";
    const auto base = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    auto path = base / ("tolvex-fuzz-options-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

// The game reads and writes its settings in the working folder; this moves there for a while.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(previous_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

struct Settings {
  int width, height, depth, cameraDelay;
  long long sfxPercent, musicPercent;
  int songNumber, online;
  std::string name;
  bool operator==(const Settings&) const = default;
};

Settings Current() {
  return {GfxWidth, GfxHeight, GfxDepth, CameraDelay, VolumePercent(SfxVolume), VolumePercent(MusicVolume),
          SongNumber, OnlineHighscore, PlayerName};
}

void CheckUsable() {
  Require(GfxDepth == 0 || GfxDepth == 32, "the screen is a window or full screen");
  Require(CameraDelay <= 2, "the camera mode is 0, 1 or 2");
  Require(SongNumber >= 0, "the number of songs is not negative");
  Require(OnlineHighscore == 0 || OnlineHighscore == 1, "online highscores are on or off");
  Require(!PlayerName.empty(), "the pilot has a name");
  Require(PlayerName.find('\n') == std::string::npos, "the name is one line");
}

}  // namespace

int OptionsFile(const std::uint8_t* data, std::size_t size) {
  const InFolder here(FuzzFolder());
  std::ofstream(kOptionsFile, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
  ResetShellGlobals();
  Require(LoadOptions(FirstRun::UseDefaults), "a run that asks nobody always starts");
  CheckUsable();
  const Settings read = Current();

  Require(SaveOptions(), "the settings can be written");
  ResetShellGlobals();
  Require(LoadOptions(FirstRun::UseDefaults), "a run that asks nobody always starts");
  Require(Current() == read, "the file written for the settings reads back as the same settings");
  ResetShellGlobals();
  return 0;
}

}  // namespace tolvex::fuzz
