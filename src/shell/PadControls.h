#pragma once
// The gamepad's hands on the game. Each frame, before anything reads the input, the pad's sticks,
// triggers and buttons become the keys, mouse buttons and pointer of the keyboard table, so every
// rule of play reads a pad as it reads a player at the keyboard.
#include <span>

#include "platform/Gamepad.h"

namespace tolvex {

// A pad button and what it stands for: a key (virtual-key number) or a mouse button (1..3).
struct PadBinding {
  PadButton button;
  int key = 0;
  int mouseButton = 0;
};

// Where the pad is used: each place has its own buttons.
enum class PadContext { Flying, Paused, Menus };

// The buttons of a place; a button that is not listed does nothing there.
std::span<const PadBinding> PadBindings(PadContext context);

// How far a stick must lean, of 32767, before it counts: a stick at rest never reads exactly 0.
inline constexpr int kStickDeadZone = 8000;
// A trigger fires when pulled past the first mark and lets go below the second, so a finger
// resting near one mark does not fire again and again.
inline constexpr int kTriggerPulled = 12000;
inline constexpr int kTriggerLetGo = 8000;

// Turns this frame's pad into stand-in keys, mouse buttons and pointer (see Input.h), by the game
// state: flying, paused, or in the menus.
void ApplyPadControls();
// Forgets the triggers and the last aim (a new run).
void ResetPadControls();

}  // namespace tolvex
