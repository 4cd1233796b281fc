#include "TestFont.h"

#include <atomic>
#include <fstream>
#include <string_view>

#include <unistd.h>

namespace tolvex::test {
namespace {

// One texture row of records: the characters (Latin-1) and their widths.
struct RecordRow {
  int y;
  std::string_view characters;
  std::vector<int> widths;
};

void AppendInt(std::vector<unsigned char>& bytes, int value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(v >> shift));
}

}  // namespace

std::vector<FontMetricsRecord> GameFontRecords() {
  const std::vector<RecordRow> rows = {
      {2, "!#$%&'()*+,-./01234", {5, 10, 10, 10, 11, 3, 5, 5, 10, 7, 3, 7, 3, 5, 10, 5, 10, 10, 10}},
      {18, "56789:;<=>?@ABCDEFG", {10, 10, 8, 10, 10, 3, 3, 7, 8, 7, 10, 10, 10, 10, 10, 10, 10, 10, 10}},
      {34, "HIJKLMNOPQRSTUVWXYZ", {10, 3, 8, 10, 8, 13, 10, 10, 10, 10, 10, 10, 10, 10, 10, 13, 10, 10, 10}},
      {50, "[]_abcdefghijklmnop", {5, 5, 11, 10, 10, 10, 10, 10, 10, 10, 10, 3, 8, 10, 8, 13, 10, 10, 10}},
      {66, "qrstuvwxyz{|}~\xA7\xA9\xAE\xDC\xC4", {10, 10, 10, 10, 10, 10, 13, 10, 10, 10, 7, 7, 7, 8, 7, 10, 10, 10, 10}},
      {82, "\xD6\xFC\xE4\xF6\xDF", {10, 10, 10, 10, 10}},
  };
  std::vector<FontMetricsRecord> records;
  for (const RecordRow& row : rows) {
    for (std::size_t j = 0; j < row.characters.size(); ++j) {
      records.push_back({static_cast<unsigned char>(row.characters[j]), 2 + 13 * static_cast<int>(j), row.y,
                         row.widths[j]});
    }
  }
  return records;
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

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("tolvex_ui_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
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
