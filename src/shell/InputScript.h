#pragma once
// Scripted input for headless runs: events tied to the frame before which they arrive.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Input.h"

namespace tolvex {

// One scripted event and the frame before which it arrives.
struct ScriptEvent : InputEvent {
  int frame = 0;
};

// A parsed script, or the one-line reason it is malformed.
struct ParsedScript {
  std::vector<ScriptEvent> events;
  std::string error;
};

// Parses the script's text: one event per line; blank lines and lines starting with "#" are skipped.
ParsedScript ParseInputScript(const std::string& text);

// A pad event from the words after "pad" ("axis lefty -32000", "button a down"); nothing when malformed.
std::optional<InputEvent> ParsePadEvent(std::string_view kind, std::string_view name, std::string_view value);
// The words after the frame number of a pad event ("pad axis lefty -32000"), as ParsePadEvent reads them.
std::string PadEventText(const InputEvent& event);

// Feeds a script's events to the input layer as frames begin.
class InputScriptPlayer {
 public:
  explicit InputScriptPlayer(std::vector<ScriptEvent> events);
  // Delivers every event of frames up to and including this one not yet delivered.
  void BeforeFrame(int frame);

 private:
  std::vector<ScriptEvent> events_;  // sorted by frame, stable
  std::size_t next_ = 0;
};

}  // namespace tolvex
