#pragma once
// Start-up: from a bare process to the first frame of the main menu.
#include "shell/LaunchOptions.h"

namespace tolvex {

// How start-up ended.
enum class StartUpResult {
  Ready,
  // The screen could not be opened; the player has been told why.
  ScreenFailed,
  // The player left the first-run settings window: the program ends at once.
  PlayerQuit,
};

// Runs the start-up sequence up to the first state.
StartUpResult StartUp(const LaunchOptions& options);
// Undoes start-up: world, screen, audio.
void ShutDown();

}  // namespace tolvex
