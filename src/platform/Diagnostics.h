#pragma once
// The debug channel and the modal notice.
#include <string_view>

namespace tolvex {

// True when TOLVEX_DEBUG is set: the debug log is written and the HUD shows its debug lines.
bool DebugLogOn();
// Writes a line to standard error when the debug log is on; silent otherwise.
void WriteDebugLine(std::string_view text);
// Shows a message box and returns when it is closed; headless, a line on standard error.
void Notify(std::string_view text);

}  // namespace tolvex
