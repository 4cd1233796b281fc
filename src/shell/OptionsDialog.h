#pragma once
// The first-run settings window: seven input fields over a small picture, before the game's screen exists.
#include <functional>

namespace tolvex {

// Called before each frame of the settings window with the frame's number (from 1); tests feed
// their scripted input here.
using DialogFrameHook = std::function<void(int frame)>;

// How the settings window ended.
enum class DialogResult {
  // Enter with no field active: the settings globals now hold the fields' values.
  Confirmed,
  // Escape or the window's close button: the program ends, nothing is saved.
  Cancelled,
  // No window could be opened (no display): the settings stay as they were.
  NoWindow,
};

// Opens the 400 × 300 window filled from the settings globals, runs it one paced frame at a time
// until the player confirms or leaves, and closes it again.
DialogResult OptionsDialog(const DialogFrameHook& beforeFrame = nullptr);

}  // namespace tolvex
