#pragma once
// The fuzz targets: each hands one kind of input that a user or a stranger controls to the game's
// own reading code and checks what the game promises about the result. libFuzzer drives them
// through FuzzMain.cpp; the regression tests feed them every stored input.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tolvex::fuzz {

// One target: the bytes of one input; returns 0 (libFuzzer's convention). A broken promise throws
// BrokenPromise, which ends a fuzzing run as a crash and fails a regression test.
using Target = int (*)(const std::uint8_t* data, std::size_t size);

struct NamedTarget {
  // Also the name of its folders under tests/fuzz/corpus and tests/fuzz/regressions.
  std::string_view name;
  Target run;
};

// Every target of the game.
std::span<const NamedTarget> AllTargets();

// The deciphered text of "Highscore.txt".
int HighscoreText(const std::uint8_t* data, std::size_t size);
// "Highscore.txt" as it lies on disk: length field and enciphered blocks.
int HighscoreFile(const std::uint8_t* data, std::size_t size);
// A font's ".dat" metrics file, cut against a texture of the game's font size.
int FontMetricsFile(const std::uint8_t* data, std::size_t size);
// An input script of --input, fed to the input layer frame by frame.
int InputScript(const std::uint8_t* data, std::size_t size);
// A saved game of the "replays" folder, played with --replay.
int ReplayFile(const std::uint8_t* data, std::size_t size);
// "Options.ini", read at start-up, written again and read back.
int OptionsFile(const std::uint8_t* data, std::size_t size);
// The highscore server's answers to the version check, a submission and a fetch.
int OnlineVersionAnswer(const std::uint8_t* data, std::size_t size);
int OnlineSubmitAnswer(const std::uint8_t* data, std::size_t size);
int OnlineFetchAnswer(const std::uint8_t* data, std::size_t size);

}  // namespace tolvex::fuzz
