#pragma once
// The live messages in the state dump of headless runs.
#include <nlohmann/json_fwd.hpp>

namespace tolvex {

// Writes "messages": one object per live message (content, durationmax, size, color).
void DumpMessages(nlohmann::json& dump);

}  // namespace tolvex
