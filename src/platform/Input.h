#pragma once
// Polled keyboard and mouse. Window events (or a replayed input script) feed
// the state between frames; the game asks what happened since it last asked.
#include <string_view>

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

// Input as it arrives from the window or a script; tests use these too.
void FeedKey(int key, bool down);
void FeedButton(int button, bool down);
void FeedMouseMove(float x, float y);
// Typed text in UTF-8; characters outside Latin-1 are dropped.
void FeedText(std::string_view utf8);
void FeedCloseRequest();
// Forgets everything: no keys held, no presses, pointer at (0, 0).
void ResetInput();

}  // namespace tolvex
