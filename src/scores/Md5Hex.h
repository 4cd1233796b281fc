#pragma once
// The check-value digest shared by the highscore file and the online table.
#include <string>
#include <string_view>

namespace tolvex {

// MD5 of the text's bytes as 32 lowercase hexadecimal digits.
std::string MD5Hex(std::string_view text);

}  // namespace tolvex
