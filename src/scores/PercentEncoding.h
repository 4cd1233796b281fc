#pragma once
// Query-string escaping for the texts the game sends to the highscore server.
#include <string>
#include <string_view>

namespace tolvex {

// Every byte outside letters, digits and "-_.~" becomes "%" and two capital hex digits
// (a blank becomes "%20"), so names holding "&", "#", "+" or "=" cannot break the query.
std::string PercentEncode(std::string_view text);

}  // namespace tolvex
