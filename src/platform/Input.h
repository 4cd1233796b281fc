#pragma once
// Polled keyboard and mouse. Window events (or a replayed input script) feed
// the state between frames; the game asks what happened since it last asked.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Gamepad.h"

namespace tolvex {

constexpr int kKeyCount = 256;

// Presses of a key since the previous call for that key (then reset).
int KeyPressed(int key);
// Presses of a key waiting to be read, left waiting.
int KeyPressesWaiting(int key);
// True while the key is held.
bool KeyHeld(int key);
// Forgets every pending key, mouse button and pad button press and the typed characters.
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

// Where the pad's axis stands (see Gamepad.h for the ranges); 0 with no pad.
int PadAxisValue(PadAxis axis);
bool PadButtonHeld(PadButton button);
// Presses of a pad button since the previous call for that button (then reset).
int PadButtonPressed(PadButton button);
// Times the window lost the keyboard's focus since the previous call (then reset).
int FocusLosses();

// Reads the window events into the input state: first those CollectEvents took, then, unless
// `fromWindow` is false, those waiting in SDL's queue now.
void PumpEvents(bool fromWindow = true);
// Takes the events waiting in SDL's queue, to be handled by the next PumpEvents. Taking them talks
// to the window system, which is free just before a frame is handed over to be shown.
void CollectEvents();

// One event as the input layer receives it: from the window, a script, the autopilot or a replay.
struct InputEvent {
  enum class Type { Key, Button, Mouse, Text, PadAxis, PadButton, FocusLost } type = Type::Key;
  int code = 0;  // key, mouse button, pad axis or pad button number
  bool down = false;
  float x = 0, y = 0;
  std::string text;  // UTF-8
  int value = 0;     // where a pad axis stands

  static InputEvent OfKey(int key, bool down) { return {Type::Key, key, down, 0, 0, {}, 0}; }
  static InputEvent OfButton(int button, bool down) { return {Type::Button, button, down, 0, 0, {}, 0}; }
  static InputEvent OfMouse(float x, float y) { return {Type::Mouse, 0, false, x, y, {}, 0}; }
  static InputEvent OfText(std::string text) { return {Type::Text, 0, false, 0, 0, std::move(text), 0}; }
  static InputEvent OfPadAxis(PadAxis axis, int value) {
    return {Type::PadAxis, static_cast<int>(axis), false, 0, 0, {}, value};
  }
  static InputEvent OfPadButton(PadButton button, bool down) {
    return {Type::PadButton, static_cast<int>(button), down, 0, 0, {}, 0};
  }
  static InputEvent OfFocusLost() { return {Type::FocusLost, 0, false, 0, 0, {}, 0}; }
};

// Shown every event fed to the input layer just before it takes effect (the replay recorder).
using InputListener = std::function<void(const InputEvent&)>;
void SetInputListener(InputListener listener);
// While on, the window's keys, buttons, pointer and text are dropped (a replay brings its own);
// its close button still works.
void IgnoreWindowInput(bool ignore);
// The pointer, every held key and button and the pad's axes and buttons off their rest, as events
// that bring them back.
std::vector<InputEvent> HeldInput();

// Input as it arrives from the window or a script; tests use these too.
void FeedEvent(const InputEvent& event);
void FeedKey(int key, bool down);
void FeedButton(int button, bool down);
void FeedMouseMove(float x, float y);
// Typed text in UTF-8; characters outside Latin-1 are dropped.
void FeedText(std::string_view utf8);
void FeedCloseRequest();
// A pad axis moves to value (clamped to −32768..32767); a pad button goes down or up.
void FeedPadAxis(PadAxis axis, int value);
void FeedPadButton(PadButton button, bool down);
// The window lost the keyboard's focus (the player turned to another window).
void FeedFocusLost();

// Another device standing in for keys and mouse buttons — the gamepad, through its mapping: what
// it holds counts as held on top of the keyboard and the mouse, its presses as presses. None of it
// reaches the listener, since it follows from pad events that did.
// Lets go of every key and button held this way.
void ReleaseStandIns();
void HoldStandInKey(int key);
void PressStandInKey(int key);
void HoldStandInButton(int button);
void PressStandInButton(int button);
// Puts the pointer somewhere without a mouse event (the pad aims or moves it).
void PlacePointer(float x, float y);
// True when the mouse has moved the pointer elsewhere since the previous call.
bool MouseMovedPointer();
// Forgets everything: no keys held, no presses, pointer at (0, 0).
void ResetInput();

}  // namespace tolvex
