#pragma once
// Query-string escaping of the texts the game sends to the highscore server.
#include <string>
#include <string_view>

namespace tolvex {

// Every byte outside letters, digits and "-_.~" becomes "%" and two capital hex digits
// (a blank becomes "%20"), so names holding "&", "#", "+" or "=" cannot break the query.
std::string PercentEncode(std::string_view text);
// The text back from its escaped form: "%" and two hex digits become that byte, everything else
// stays as it is ("+" too). False for a "%" without two hex digits after it.
bool PercentDecode(std::string_view escaped, std::string& text);

}  // namespace tolvex
