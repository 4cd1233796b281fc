#include "GlyphAtlas.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "ArtKit.h"
#include "FontRecords.h"

namespace tolvex::art {

namespace {

// Owns the FreeType library and one face.
class FaceHandle {
public:
    FaceHandle(const std::string& file, double pixels) {
        if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType does not start");
        const std::string path = std::string(kDejaVuDir) + file;
        if (FT_New_Face(library_, path.c_str(), 0, &face_) != 0) throw std::runtime_error("no font " + path);
        FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(std::lround(pixels * 64)), 72, 72);
    }
    ~FaceHandle() {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
    }
    FaceHandle(const FaceHandle&) = delete;
    FaceHandle& operator=(const FaceHandle&) = delete;
    FT_Face get() const { return face_; }

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};

// Coverage of one glyph cell (width x line height), 0..1.
struct Cell {
    int width;
    std::vector<float> alpha;
    float& at(int x, int y) { return alpha[static_cast<std::size_t>(y) * width + x]; }
};

// Loads the glyph condensed by `squeeze` horizontally and renders it with light (vertical-only) hinting.
FT_GlyphSlot renderGlyph(FT_Face face, unsigned glyphIndex, double squeeze) {
    FT_Matrix m{static_cast<FT_Fixed>(std::lround(squeeze * 0x10000)), 0, 0, 0x10000};
    FT_Set_Transform(face, &m, nullptr);
    if (FT_Load_Glyph(face, glyphIndex, FT_LOAD_TARGET_LIGHT) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_LIGHT) != 0)
        throw std::runtime_error("cannot render a glyph");
    return face->glyph;
}

// How many columns a glyph would leave empty in its cell, or a large number if it does not fit.
int emptyColumns(FT_Face face, unsigned index, int room) {
    const int w = static_cast<int>(renderGlyph(face, index, 1.0)->bitmap.width);
    return w > room ? 1000 + w : room - w;
}

Cell renderCell(FT_Face narrow, FT_Face wide, const GlyphRecord& r, const FontStyle& style) {
    const auto code = static_cast<FT_ULong>(r.code);
    // Leave at least one clear column so neighbouring letters never touch (two for haloed wide glyphs).
    const int room = std::max(1, r.width - 1 - (style.halo && r.width > 5 ? 1 : 0));
    // The monospaced sibling only stands in for a glyph that fits but leaves a hole.
    FT_Face face = narrow;
    const unsigned wideIndex = FT_Get_Char_Index(wide, code);
    const int narrowGap = emptyColumns(narrow, FT_Get_Char_Index(narrow, code), room);
    if (wideIndex != 0 && r.width >= 8 && narrowGap < 1000 && emptyColumns(wide, wideIndex, room) + 1 < narrowGap)
        face = wide;
    const unsigned index = FT_Get_Char_Index(face, code);
    if (index == 0) throw std::runtime_error("the face lacks character " + std::to_string(r.code));
    FT_GlyphSlot slot = renderGlyph(face, index, 1.0);
    const int natural = static_cast<int>(slot->bitmap.width);
    if (r.width >= 8 && natural > 0 && natural < room - 2)  // widen a thin letter a little
        slot = renderGlyph(face, index, std::min(1.25, (room - 1.5) / natural));
    for (double squeeze = static_cast<double>(room) / natural; static_cast<int>(slot->bitmap.width) > room;
         squeeze *= 0.94)
        slot = renderGlyph(face, index, squeeze);
    Cell cell{r.width, std::vector<float>(static_cast<std::size_t>(r.width) * kFontLineHeight, 0.f)};
    const FT_Bitmap& bm = slot->bitmap;
    const int left = (r.width - static_cast<int>(bm.width)) / 2;
    const int top = style.baseline - slot->bitmap_top;
    for (int y = 0; y < static_cast<int>(bm.rows); ++y) {
        for (int x = 0; x < static_cast<int>(bm.width); ++x) {
            const int cx = left + x, cy = top + y;
            if (cx < 0 || cx >= r.width || cy < 0 || cy >= kFontLineHeight) continue;
            cell.at(cx, cy) = bm.buffer[y * bm.pitch + x] / 255.f;
        }
    }
    return cell;
}

// Surrounds the glyph with a soft glow inside its cell, so alarm text reads over bright explosions.
void addHalo(Cell& cell) {
    FloatImage glow(cell.width, kFontLineHeight);
    for (int y = 0; y < kFontLineHeight; ++y)
        for (int x = 0; x < cell.width; ++x) glow.at(x, y)[3] = cell.at(x, y);
    boxBlur(glow, 1, 2, false);
    for (int y = 0; y < kFontLineHeight; ++y)
        for (int x = 0; x < cell.width; ++x)
            cell.at(x, y) = std::max(cell.at(x, y), std::min(1.f, glow.at(x, y)[3] * 1.8f) * 0.3f);
}

}  // namespace

Image renderFontTexture(const FontStyle& style) {
    const FaceHandle face(style.faceFile, style.pixels);
    const FaceHandle wide(style.wideFile, style.pixels);
    Image texture(kFontTextureWidth, kFontTextureHeight);
    for (const GlyphRecord& r : fontRecords()) {
        Cell cell = renderCell(face.get(), wide.get(), r, style);
        if (style.halo) addHalo(cell);
        for (int y = 0; y < kFontLineHeight; ++y) {
            for (int x = 0; x < r.width; ++x) {
                std::uint8_t* p = texture.at(r.x + x, r.y + y);
                p[0] = p[1] = p[2] = 255;
                p[3] = static_cast<std::uint8_t>(std::lround(std::clamp(cell.at(x, y), 0.f, 1.f) * 255));
            }
        }
    }
    return texture;
}

}  // namespace tolvex::art
