// Spoken lines from espeak-ng, when the build machine has it.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "Signal.h"

namespace tolvex::sfx {

// How espeak-ng should speak a line.
struct Voice {
  std::string name = "en-us";  // espeak-ng voice (language and variant)
  int pitch = 50;              // 0..99, espeak-ng's base pitch
  int wordsPerMinute = 160;    // speaking rate
};

// Runs the espeak-ng program at a fixed path and brings its speech in at kSampleRate.
class Speech {
 public:
  // An empty path means no speech engine: every line then comes back empty.
  explicit Speech(std::string enginePath) : enginePath_(std::move(enginePath)) {}

  // Whether an engine was given at all.
  bool available() const { return !enginePath_.empty(); }

  // The spoken line without its silent lead-in and tail, or nothing if the engine is missing, fails or says
  // nothing.
  std::optional<Signal> speak(const std::string& text, const Voice& voice) const;

 private:
  std::string enginePath_;
};

}  // namespace tolvex::sfx
