#pragma once
// "Options.ini": the player's settings in the player's folder (platform/GameFolders.h), read once at start-up before the
// screen opens, and written on the first run after the settings window.
#include <istream>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "shell/OptionsDialog.h"

namespace tolvex {

// The settings file and the version it must name to be read.
inline constexpr const char* kOptionsFile = "Options.ini";
inline constexpr const char* kOptionsVersion = "Tolvex 1.07";

// How a first run (no file, an unreadable one or another version's) gets its settings.
enum class FirstRun {
  // The desktop's size and depth, then the settings window; the file is written.
  AskPlayer,
  // A headless run: 1280 × 720 in a window, offline, and the other defaults; nothing is written.
  UseDefaults,
};

// Reads the settings into the globals, or runs the first run. False when the player left the
// settings window with Escape or its close button: the program ends and nothing is saved.
bool LoadOptions(FirstRun firstRun, const DialogFrameHook& beforeFrame = nullptr);
// The text after "=" on the first line whose text before its first "=" is `key` (case matters),
// searched from the file's start; "0" when no line matches.
std::string ReadOption(std::istream& file, std::string_view key);
// Replaces "Options.ini" with the ten lines in one step; false (after a line on the diagnostic
// log, the old file untouched) when it cannot be written.
bool SaveOptions();
// The first-run values, with the screen size and colour depth given.
void SetDefaultOptions(int width, int height, int depth);
// The percentage a volume is written as: its ceiling, blind to the float's last-bit error, so
// that every volume the file can give reads back the same.
long long VolumePercent(float volume);

// The "options" key of the state dump: the ten values as they were read at start-up.
void DumpOptions(nlohmann::json& dump);

}  // namespace tolvex
