#pragma once
// The current stage in the state dump: its name, index, age and its conditions' states.
#include <nlohmann/json_fwd.hpp>

namespace tolvex {

// Writes "stage" (the name) and "level" (index, birthtime, age, cap, conditions) into a dump.
void DumpStage(nlohmann::json& dump);

}  // namespace tolvex
