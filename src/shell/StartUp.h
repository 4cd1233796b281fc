#pragma once
// Start-up: from a bare process to the first frame of the main menu.
#include "shell/LaunchOptions.h"

namespace tolvex {

// Runs the start-up sequence; false (after telling the player why) when the screen cannot be opened.
bool StartUp(const LaunchOptions& options);
// Undoes start-up: world, screen, audio.
void ShutDown();

}  // namespace tolvex
