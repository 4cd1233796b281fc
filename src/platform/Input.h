#pragma once
// Polled keyboard and mouse. Window events (or a replayed input script) feed
// the state between frames; the game asks what happened since it last asked.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

constexpr int kKeyCount = 256;

// Presses of a key since the previous call for that key (then reset).
int KeyPressed(int key);
// True while the key is held.
bool KeyHeld(int key);
// Forgets every pending key and button press and the typed characters.
void ClearKeyPresses();
// The next typed character (Latin-1 code), 0 if none.
int NextTypedChar();

float PointerX();
float PointerY();
// Moves the system pointer (in a headless run: the reported position).
void MoveMouse(float x, float y);
// Presses of a mouse button (1 left, 2 right, 3 middle) since the previous call.
int ButtonPressed(int button);
bool ButtonHeld(int button);

// True once the window's close button was used.
bool CloseRequested();

// Reads the window events waiting in SDL's queue into the input state.
void PumpEvents();

// One event as the input layer receives it: from the window, a script, the autopilot or a replay.
struct InputEvent {
  enum class Type { Key, Button, Mouse, Text } type = Type::Key;
  int code = 0;  // key or button number
  bool down = false;
  float x = 0, y = 0;
  std::string text;  // UTF-8

  static InputEvent OfKey(int key, bool down) { return {Type::Key, key, down, 0, 0, {}}; }
  static InputEvent OfButton(int button, bool down) { return {Type::Button, button, down, 0, 0, {}}; }
  static InputEvent OfMouse(float x, float y) { return {Type::Mouse, 0, false, x, y, {}}; }
  static InputEvent OfText(std::string text) { return {Type::Text, 0, false, 0, 0, std::move(text)}; }
};

// Shown every event fed to the input layer just before it takes effect (the replay recorder).
using InputListener = std::function<void(const InputEvent&)>;
void SetInputListener(InputListener listener);
// While on, the window's keys, buttons, pointer and text are dropped (a replay brings its own);
// its close button still works.
void IgnoreWindowInput(bool ignore);
// The pointer and every held key and button, as events that bring them back.
std::vector<InputEvent> HeldInput();

// Input as it arrives from the window or a script; tests use these too.
void FeedEvent(const InputEvent& event);
void FeedKey(int key, bool down);
void FeedButton(int button, bool down);
void FeedMouseMove(float x, float y);
// Typed text in UTF-8; characters outside Latin-1 are dropped.
void FeedText(std::string_view utf8);
void FeedCloseRequest();
// Forgets everything: no keys held, no presses, pointer at (0, 0).
void ResetInput();

}  // namespace tolvex
