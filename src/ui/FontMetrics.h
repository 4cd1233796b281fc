#pragma once
// The ".dat" metrics file of a bitmap font: a header of nine little-endian
// 32-bit integers followed by one record (code, x, y, width) per character.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tolvex {

// Where one character lies in the font's texture and how wide it is.
struct FontMetricsRecord {
  int code = 0;
  int x = 0;
  int y = 0;
  int width = 0;
};

// The whole metrics file as read.
struct FontMetrics {
  int textureWidth = 0, textureHeight = 0;
  int maskRed = 0, maskGreen = 0, maskBlue = 0;
  int lineHeight = 0;
  int blankWidth = 0;
  int widestChar = 0;
  std::vector<FontMetricsRecord> records;
};

// Size of the header and of one record in bytes.
constexpr std::size_t kFontMetricsHeaderBytes = 36;
constexpr std::size_t kFontMetricsRecordBytes = 16;

// Reads the header and as many whole records as the header announces and the
// bytes hold; nothing when even the header is incomplete.
std::optional<FontMetrics> ParseFontMetrics(std::span<const unsigned char> bytes);

// The bytes of a file given by path or "incbin::" name; nothing if it cannot be read.
std::optional<std::vector<unsigned char>> ReadBinaryFile(std::string_view url);

}  // namespace tolvex
