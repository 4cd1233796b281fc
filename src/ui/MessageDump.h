#pragma once
// The live messages in the state dump of headless runs.
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

namespace tolvex {

// Writes "messages": one object per live message (content, durationmax, size, color).
void DumpMessages(nlohmann::json& dump);
// The game's Latin-1 text as UTF-8 (JSON text must be UTF-8).
std::string Latin1ToUtf8(std::string_view text);

}  // namespace tolvex
