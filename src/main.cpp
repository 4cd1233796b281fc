// Tolvex: a real-time 2D space shooter.
#include <string>
#include <vector>

#include "shell/Game.h"

int main(int argc, char** argv) { return tolvex::RunGame(std::vector<std::string>(argv + 1, argv + argc)); }
