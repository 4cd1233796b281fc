#pragma once
// Files linked into the program at build time (artwork and fonts), addressed
// by the game as "incbin::..\gfx\" + file name.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tolvex {

// One embedded file: its bare file name and its bytes.
struct EmbeddedFile {
  std::string_view name;
  std::span<const unsigned char> bytes;
};

// Every embedded file, sorted by name (generated at build time).
const std::span<const EmbeddedFile> EmbeddedFiles();

// The bytes of an embedded file, given either its bare name or a full
// "incbin::..\gfx\" + name url; nothing when there is no such file.
std::optional<std::span<const unsigned char>> FindEmbeddedFile(std::string_view url);

// True when the url uses the "incbin::" prefix of embedded files.
bool IsEmbeddedUrl(std::string_view url);

}  // namespace tolvex
