#pragma once
// The table's texts made fit for web pages and JSON.
#include <string>
#include <string_view>

namespace tolvex {

// The bytes as UTF-8: a text that is valid UTF-8 already stays as it is; any other is read as
// Latin-1, the game's own 8-bit characters, one character per byte.
std::string AsUtf8(std::string_view bytes);
// The text with "&", "<", ">", '"' and "'" written as HTML character references.
std::string HtmlEscaped(std::string_view text);
// The date of an entry's time text "06 Dec 2026/12:00:00": the part before "/", or all of it.
std::string_view DateOf(std::string_view time);

}  // namespace tolvex
