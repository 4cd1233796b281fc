#include "ui/TVizazIrud.h"

#include <algorithm>

#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "platform/EmbeddedFiles.h"
#include "platform/Files.h"
#include "platform/Graphics.h"
#include "ui/FontMetrics.h"

namespace tolvex {
namespace {

// A copy of the picture where every pixel of the mask colour is fully transparent.
Pixmap MaskedCopy(const Pixmap& picture, const FontMetrics& metrics) {
  const auto channel = [](int value) { return static_cast<std::uint32_t>(std::clamp(value, 0, 255)); };
  const std::uint32_t mask = channel(metrics.maskRed) << 16 | channel(metrics.maskGreen) << 8 | channel(metrics.maskBlue);
  Pixmap masked = picture;
  for (auto& pixel : masked.pixels) {
    if ((pixel & 0xFFFFFFu) == mask) pixel = 0;
  }
  return masked;
}

// A copy of the rectangle (x, y, width, height) of a picture that contains it.
PixmapPtr CopyRect(const Pixmap& picture, int x, int y, int width, int height) {
  auto part = std::make_shared<Pixmap>(width, height);
  for (int row = 0; row < height; ++row) {
    for (int col = 0; col < width; ++col) part->At(col, row) = picture.At(x + col, y + row);
  }
  return part;
}

bool RectInside(const Pixmap& picture, int x, int y, int width, int height) {
  // Summed in 64 bits: a damaged metrics file's huge numbers must not wrap round into the texture.
  return x >= 0 && y >= 0 && width >= 0 && height >= 0 && std::int64_t{x} + width <= picture.width &&
         std::int64_t{y} + height <= picture.height;
}

}  // namespace

bool FontFileExists(std::string_view path) { return IsEmbeddedUrl(path) || PathKind(path) == 1; }

int TVizazIrud::Style() const {
  if (Flags & kFontLoaderDat) return kFontLoaderDat;
  if (Flags & kFontLoaderSuco) return kFontLoaderSuco;
  return (Flags & 1) ? kFontLoaderAutoSized | 1 : kFontLoaderAutoSized;
}

int TVizazIrud::CharToGlyph(int code) { return (code > 31 && code < 255) ? code - 32 : -1; }

const TVizazIrudGlyph& TVizazIrud::LoadGlyph(int index) const {
  if (index < 0 || index >= kGlyphCount || !Glyphs[index]) return NullGlyph;
  return *Glyphs[index];
}

void TVizazIrud::Draw(std::string_view text, float x, float y) const {
  if (!texture_) return;
  float pen = 0.0f;
  for (const char c : text) {
    const int index = CharToGlyph(static_cast<unsigned char>(c));
    if (index < 0) continue;
    const TVizazIrudGlyph& glyph = LoadGlyph(index);
    if (glyph.InTexture) {
      DrawImageRect(*texture_, glyph.TextureX, glyph.TextureY, glyph.G_Width, glyph.G_Height, x, y,
                    pen + static_cast<float>(glyph.G_X), static_cast<float>(glyph.G_Y));
    }
    pen += glyph.G_Advance;
  }
}

float TVizazIrud::Width(std::string_view text) const {
  float width = 0.0f;
  for (const char c : text) width += LoadGlyph(CharToGlyph(static_cast<unsigned char>(c))).G_Advance;
  return width;
}

float TVizazIrud::Height(std::string_view text) const {
  return text.empty() ? 0.0f : static_cast<float>(FontHeight);
}

TVizazIrudPtr TVizazIrud::Load(std::string_view texturePath, const FontLoadSettings& settings) {
  if (!FontFileExists(texturePath)) {
    Error("File " + std::string(texturePath) + " Not found...");
    return nullptr;
  }
  // Only the ".dat" loader is built; the game uses no other.
  if (!(settings.loaderFlags & kFontLoaderDat)) return nullptr;
  auto font = std::make_shared<TVizazIrud>();
  font->ImageFlags = settings.imageFlags;
  font->Flags = settings.loaderFlags;
  return FontCandyLoader(std::move(font), texturePath, settings.metricsPath, settings.extraAdvance);
}

TVizazIrudPtr TVizazIrud::FontCandyLoader(TVizazIrudPtr font, std::string_view texturePath,
                                         std::string_view metricsPath, int extraAdvance) {
  const auto bytes = ReadBinaryFile(metricsPath);
  if (!bytes) {
    Error("File " + std::string(metricsPath) + " Not found...");
    return nullptr;
  }
  const PixmapPtr picture = LoadPixmap(texturePath);
  if (!picture) {
    Error("File " + std::string(texturePath) + " Not found...");
    return nullptr;
  }
  if (!font->FillFromMetrics(*bytes, *picture, extraAdvance)) {
    Error("File " + std::string(metricsPath) + " is damaged...");
    return nullptr;
  }
  return font;
}

bool TVizazIrud::FillFromMetrics(std::span<const unsigned char> metricsFile, const Pixmap& texture, int extraAdvance) {
  const auto metrics = ParseFontMetrics(metricsFile);
  if (!metrics) return false;
  FontHeight = metrics->lineHeight;
  CreateSpace(*this, metrics->blankWidth);
  Pixmap masked = MaskedCopy(texture, *metrics);
  CutGlyphs(*metrics, masked, extraAdvance);
  texture_ = CreateImageFromPixmap(std::move(masked));
  return true;
}

void TVizazIrud::CutGlyphs(const FontMetrics& metrics, const Pixmap& texture, int extraAdvance) {
  for (const FontMetricsRecord& record : metrics.records) {
    const int index = CharToGlyph(record.code);
    if (index < 0) continue;
    if (!RectInside(texture, record.x, record.y, record.width, FontHeight)) {
      WriteDebugLine("Font glyph " + std::to_string(record.code) + " lies outside its texture");
      continue;
    }
    TVizazIrudGlyph glyph;
    glyph.G_Pixmap = CopyRect(texture, record.x, record.y, record.width, FontHeight);
    glyph.G_Width = record.width;
    glyph.G_Height = FontHeight;
    glyph.G_Advance = static_cast<float>(record.width + extraAdvance);
    glyph.TextureX = record.x;
    glyph.TextureY = record.y;
    glyph.InTexture = record.width > 0 && FontHeight > 0;
    Glyphs[index] = std::move(glyph);
  }
}

void TVizazIrud::CreateSpace(TVizazIrud& font, int width) {
  TVizazIrudGlyph blank;
  blank.G_Advance = static_cast<float>(width);
  blank.G_Width = width;
  blank.G_Height = 1;
  // The row is transparent and never drawn: a damaged metrics file's absurd width must not make it
  // cost gigabytes. No font texture is wider than this.
  constexpr int kWidestBlankRow = 4096;
  blank.G_Pixmap = std::make_shared<Pixmap>(std::clamp(width, 0, kWidestBlankRow), 1);
  font.Glyphs[0] = std::move(blank);
}

std::string TVizazIrud::ErrorText(std::string_view message, int clockMs) {
  return "VizazIrud @ " + std::to_string(clockMs) + " > ERROR: " + std::string(message);
}

void TVizazIrud::Error(std::string_view message) { Notify(ErrorText(message, ClockMs())); }

}  // namespace tolvex
