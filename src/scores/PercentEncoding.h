#pragma once
// Query-string escaping of the texts the game sends to the highscore server.
#include <string>
#include <string_view>

namespace tolvex {

// Escapes only what would break or change the query: a blank becomes "%20", and "%", "&", "#", "+",
// control bytes and bytes from 0x80 up become "%" and two capital hex digits. Every other printable
// character goes out as it is, so "06 Dec 2026/12:00:00" is sent as "06%20Dec%202026/12:00:00".
std::string PercentEncode(std::string_view text);
// The text back from its escaped form: "%" and two hex digits become that byte, everything else
// stays as it is ("+" too). False for a "%" without two hex digits after it.
bool PercentDecode(std::string_view escaped, std::string& text);

}  // namespace tolvex
