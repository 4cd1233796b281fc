#pragma once
// The MD5 check values that guard highscore entries in the file and on the wire.
#include <string>
#include <string_view>

namespace tolvex {

// MD5 of the text's bytes as 32 lowercase hexadecimal digits.
std::string MD5Hex(std::string_view text);

}  // namespace tolvex
