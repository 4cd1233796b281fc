#pragma once
// The menu in the state dump of headless runs.
#include <nlohmann/json_fwd.hpp>

namespace tolvex {

// Writes "menu": position, shown, closing, and each button's command, alpha and active flag.
void DumpMenu(nlohmann::json& dump);

}  // namespace tolvex
