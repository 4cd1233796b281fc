#pragma once
// The whole program: command line, start-up, main loop, shut-down.
#include <string>
#include <vector>

namespace tolvex {

// Runs the game with the command-line arguments (without the program name); returns the exit status.
int RunGame(const std::vector<std::string>& args);

}  // namespace tolvex
