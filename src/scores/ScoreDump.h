#pragma once
// The highscore list in the state dump of headless runs.
#include <nlohmann/json_fwd.hpp>

namespace tolvex {

// Writes "highscores" (name, points, time, rank, online, new per entry), "bestrank" and "bestrankpilot".
void DumpHighscores(nlohmann::json& dump);

}  // namespace tolvex
