#pragma once
// The query of a request target, read strictly: every parameter as it came, repeats included.
#include <map>
#include <string>
#include <string_view>

namespace tolvex {

// Decoded parameters; a key given twice is there twice.
using QueryParams = std::multimap<std::string, std::string>;

// Reads the part after "?" of a request target ("/path?a=1&b=2"); a piece without "=" is a key
// with an empty value. False for a malformed "%" escape in any key or value.
bool ParseQuery(std::string_view target, QueryParams& params);

}  // namespace tolvex
