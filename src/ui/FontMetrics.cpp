#include "ui/FontMetrics.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/EmbeddedFiles.h"
#include "platform/Files.h"

namespace tolvex {
namespace {

// A signed 32-bit little-endian integer at a byte offset.
int ReadInt32(std::span<const unsigned char> bytes, std::size_t offset) {
  const std::uint32_t value = std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
                              std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<FontMetrics> ParseFontMetrics(std::span<const unsigned char> bytes) {
  if (bytes.size() < kFontMetricsHeaderBytes) return std::nullopt;
  FontMetrics metrics;
  metrics.textureWidth = ReadInt32(bytes, 0);
  metrics.textureHeight = ReadInt32(bytes, 4);
  metrics.maskRed = ReadInt32(bytes, 8);
  metrics.maskGreen = ReadInt32(bytes, 12);
  metrics.maskBlue = ReadInt32(bytes, 16);
  const int announced = ReadInt32(bytes, 20);
  metrics.lineHeight = ReadInt32(bytes, 24);
  metrics.blankWidth = ReadInt32(bytes, 28);
  metrics.widestChar = ReadInt32(bytes, 32);

  // A damaged count must not make us read past the end of the file.
  const std::size_t available = (bytes.size() - kFontMetricsHeaderBytes) / kFontMetricsRecordBytes;
  const std::size_t count = std::min(available, static_cast<std::size_t>(std::max(announced, 0)));
  metrics.records.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    const std::size_t at = kFontMetricsHeaderBytes + kFontMetricsRecordBytes * k;
    metrics.records.push_back({ReadInt32(bytes, at), ReadInt32(bytes, at + 4), ReadInt32(bytes, at + 8),
                               ReadInt32(bytes, at + 12)});
  }
  return metrics;
}

std::optional<std::vector<unsigned char>> ReadBinaryFile(std::string_view url) {
  if (IsEmbeddedUrl(url)) {
    const auto embedded = FindEmbeddedFile(url);
    if (!embedded) return std::nullopt;
    return std::vector<unsigned char>(embedded->begin(), embedded->end());
  }
  std::ifstream in(NativePath(url), std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tolvex
