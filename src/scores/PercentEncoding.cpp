#include "scores/PercentEncoding.h"

namespace tolvex {

namespace {

// The blank ends the request line, "&" and "#" end the value, "%" starts an escape and "+" reads
// as a blank to many servers; control bytes and bytes above 0x7E are not allowed in a request line.
bool NeedsEscape(unsigned char c) { return c <= ' ' || c >= 0x7F || c == '%' || c == '&' || c == '#' || c == '+'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string PercentEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (!NeedsEscape(c)) {
      encoded += ch;
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 15];
    }
  }
  return encoded;
}

bool PercentDecode(std::string_view escaped, std::string& text) {
  text.clear();
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '%') {
      text += escaped[i];
      continue;
    }
    const int high = i + 2 < escaped.size() ? HexValue(escaped[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(escaped[i + 2]) : -1;
    if (low < 0) return false;
    text += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return true;
}

}  // namespace tolvex
