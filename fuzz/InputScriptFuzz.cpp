// An input script: any text is either refused with a reason or played into the input layer, and
// the game reads it from there as it reads a player's hands.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "core/Globals.h"
#include "platform/Input.h"
#include "shell/FrameSteps.h"
#include "shell/InputScript.h"

namespace tolvex::fuzz {

namespace {

// What the game reads in a frame: the cursor, every key and button, every typed character, the pad.
void ReadFrameInput() {
  UpdateMouse();
  Require(CursorX >= 0 && CursorX <= static_cast<float>(GfxWidth) && CursorY >= 0 &&
              CursorY <= static_cast<float>(GfxHeight),
          "the cursor stays on the screen");
  for (int key = 0; key < kKeyCount; ++key) KeyPressed(key), KeyHeld(key);
  for (int code = NextTypedChar(); code != 0; code = NextTypedChar()) {
    Require(code > 0 && code <= 255, "typed characters are Latin-1");
  }
  for (int axis = 0; axis < kPadAxisCount; ++axis) {
    const int value = PadAxisValue(static_cast<PadAxis>(axis));
    Require(value >= -32768 && value <= 32767, "pad axes stay in their range");
  }
  for (int button = 0; button < kPadButtonCount; ++button) PadButtonPressed(static_cast<PadButton>(button));
  FocusLosses();
}

}  // namespace

int InputScript(const std::uint8_t* data, std::size_t size) {
  const ParsedScript parsed = ParseInputScript(std::string(AsText(data, size)));
  if (!parsed.error.empty()) {
    Require(parsed.error.find('\n') == std::string::npos, "a refusal is one line");
    return 0;
  }
  ResetInput();
  GfxWidth = 1280, GfxHeight = 720;
  std::vector<int> frames;
  for (const ScriptEvent& event : parsed.events) {
    Require(event.frame >= 0, "events belong to frames");
    frames.push_back(event.frame);
  }
  std::sort(frames.begin(), frames.end());
  frames.erase(std::unique(frames.begin(), frames.end()), frames.end());
  InputScriptPlayer player(parsed.events);
  for (const int frame : frames) {
    player.BeforeFrame(frame);
    ReadFrameInput();
  }
  ResetInput();
  return 0;
}

}  // namespace tolvex::fuzz
