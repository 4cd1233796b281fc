#pragma once
// The game state as one JSON object, for tests and headless runs.
#include <functional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

namespace tolvex {

// Fills one key of the dump; subsystems register theirs at start-up.
using DumpSection = std::function<void(nlohmann::json& dump)>;

// Adds a writer called for every dump after the shell's own keys (it may replace them).
void AddDumpSection(DumpSection writer);
void ClearDumpSections();

// The dump after a frame: frame, clock, state, stage, difficulty, player, objects, and the registered sections.
nlohmann::json DumpState(int frame);
// Writes the dump to a file; false when the file cannot be written.
bool WriteStateDump(int frame, std::string_view path);

}  // namespace tolvex
