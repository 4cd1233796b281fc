#include "TestFont.h"

#include <fstream>

namespace tolvex::test {
namespace {

void AppendInt(std::vector<unsigned char>& bytes, int value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(v >> shift));
}

}  // namespace

std::vector<FontMetricsRecord> GameFontRecords() {
  const auto bytes = ReadBinaryFile("incbin::..\\gfx\\font.dat");
  const auto metrics = bytes ? ParseFontMetrics(*bytes) : std::nullopt;
  return metrics ? metrics->records : std::vector<FontMetricsRecord>{};
}

std::vector<unsigned char> EncodeMetrics(const std::vector<FontMetricsRecord>& records, int lineHeight,
                                         int blankWidth) {
  std::vector<unsigned char> bytes;
  for (int value : {256, 128, 0, 0, 0, static_cast<int>(records.size()), lineHeight, blankWidth, 13}) {
    AppendInt(bytes, value);
  }
  for (const FontMetricsRecord& r : records) {
    for (int value : {r.code, r.x, r.y, r.width}) AppendInt(bytes, value);
  }
  return bytes;
}

void PaintSolidGlyph(Pixmap& texture, const FontMetricsRecord& record, int lineHeight) {
  for (int y = record.y; y < record.y + lineHeight; ++y) {
    for (int x = record.x; x < record.x + record.width; ++x) texture.At(x, y) = 0xFFFFFFFFu;
  }
}

Pixmap MakeFontTexture(const std::vector<FontMetricsRecord>& records, const GlyphPainter& paint, int lineHeight) {
  Pixmap texture(256, 128);
  for (auto& pixel : texture.pixels) pixel = 0xFF000000u;
  for (const FontMetricsRecord& record : records) paint(texture, record, lineHeight);
  return texture;
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string WriteGameFont(const TempFolder& folder, const std::string& stem, const GlyphPainter& paint) {
  const auto records = GameFontRecords();
  const std::string texturePath = folder.File(stem + ".png");
  SavePicturePng(MakeFontTexture(records, paint), texturePath, 5);
  WriteBytes(folder.File(stem + ".dat"), EncodeMetrics(records));
  return texturePath;
}

}  // namespace tolvex::test
