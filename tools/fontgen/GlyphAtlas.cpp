#include "GlyphAtlas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "ArtKit.h"
#include "FontRecords.h"
#include "GlyphCell.h"
#include "HandSetGlyphs.h"

namespace tolvex::art {

namespace {

// Rows whose strongest pixel is fainter than this are only the antialiased fringe of a curve.
constexpr unsigned char kFaintInk = 24;

// Owns the FreeType library and one face.
class FaceHandle {
public:
    explicit FaceHandle(const std::string& file) {
        if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType does not start");
        const std::string path = std::string(kDejaVuDir) + file;
        if (FT_New_Face(library_, path.c_str(), 0, &face_) != 0) throw std::runtime_error("no font " + path);
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

// A glyph rendered at some width and height and where its ink lies in the cell.
struct Rendered {
    FT_GlyphSlot slot;
    int top;             // cell row of the bitmap's first row
    int inkTop, inkEnd;  // cell rows [inkTop, inkEnd) that hold more than faint ink
    int width() const { return static_cast<int>(slot->bitmap.width); }
};

// Renders a glyph `widthPx` wide and `heightPx` high (nominal sizes), hinted by FreeType's
// autohinter so stems and heights sit on whole pixels.
Rendered renderGlyph(FT_Face face, unsigned glyphIndex, double widthPx, double heightPx, int baseline) {
    FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(std::lround(widthPx * 64)),
                     static_cast<FT_F26Dot6>(std::lround(heightPx * 64)), 72, 72);
    if (FT_Load_Glyph(face, glyphIndex, FT_LOAD_FORCE_AUTOHINT | FT_LOAD_TARGET_NORMAL) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
        throw std::runtime_error("cannot render a glyph");
    const FT_Bitmap& bm = face->glyph->bitmap;
    Rendered out{face->glyph, baseline - face->glyph->bitmap_top, kFontLineHeight, 0};
    for (int y = 0; y < static_cast<int>(bm.rows); ++y) {
        const unsigned char* row = bm.buffer + y * bm.pitch;
        if (bm.width == 0 || *std::max_element(row, row + bm.width) < kFaintInk) continue;
        out.inkTop = std::min(out.inkTop, out.top + y);
        out.inkEnd = std::max(out.inkEnd, out.top + y + 1);
    }
    return out;
}

// One glyph to draw: which face, which glyph, how wide its cell and how much of it may be inked.
struct GlyphJob {
    FT_Face face;
    unsigned index;
    int cellWidth;
    int room;      // columns the glyph may fill
    int bandTop;   // first row it may ink (the band ends at kFontInkEnd)
    bool letter;   // keeps its baseline: made shorter rather than moved to fit the band
};

// Renders the job's glyph so it keeps to its band and room, and copies it into a cell, centred.
// A sign that is short enough but sits too high or low (a bar, an underscore) is moved into the
// band; a letter, or a taller sign, is made shorter. Thin letters are widened a little, wide ones
// condensed.
GlyphCell fitGlyph(const GlyphJob& job, const FontStyle& style) {
    double width = style.pixels, height = style.pixels;
    Rendered glyph = renderGlyph(job.face, job.index, width, height, style.baseline);
    auto outOfBand = [&] {
        if (job.letter) return glyph.inkTop < job.bandTop || glyph.inkEnd > kFontInkEnd;
        return glyph.inkEnd - glyph.inkTop > kFontInkEnd - job.bandTop;
    };
    while (outOfBand()) {
        height *= 0.96;
        glyph = renderGlyph(job.face, job.index, width, height, style.baseline);
    }
    const int natural = glyph.width();
    if (job.cellWidth >= 8 && natural > 0 && natural < job.room - 2) {
        width *= std::min(style.widen, (job.room - 1.0) / natural);
        glyph = renderGlyph(job.face, job.index, width, height, style.baseline);
    }
    while (glyph.width() > job.room) {
        width *= 0.94;
        glyph = renderGlyph(job.face, job.index, width, height, style.baseline);
    }
    const int shift = std::max(job.bandTop - glyph.inkTop, std::min(0, kFontInkEnd - glyph.inkEnd));
    GlyphCell cell(job.cellWidth);
    const FT_Bitmap& bm = glyph.slot->bitmap;
    const int left = (job.cellWidth - static_cast<int>(bm.width)) / 2;
    for (int y = 0; y < static_cast<int>(bm.rows); ++y) {
        const int cy = glyph.top + shift + y;
        if (cy < job.bandTop || cy >= kFontInkEnd) continue;  // the faint fringe of a curve
        for (int x = 0; x < static_cast<int>(bm.width); ++x)
            if (left + x >= 0 && left + x < job.cellWidth) cell.at(left + x, cy) = bm.buffer[y * bm.pitch + x] / 255.f;
    }
    return cell;
}

// The font's faces: the proportional one, its monospaced sibling, whose fuller letters fill the
// wide cells, and the one for the punctuation dots.
struct Faces {
    FT_Face narrow, wide, dots;
};

// The proportional face's glyph, or the monospaced sibling's where that one fits its cell with
// clearly fewer empty columns (t, f, r in 10-px cells).
GlyphJob chooseGlyph(const Faces& faces, int code, int cellWidth, int bandTop, const FontStyle& style) {
    // Leave at least one clear column so neighbouring letters never touch (two for haloed wide glyphs).
    const int room = std::max(1, cellWidth - 1 - (style.halo && cellWidth > 5 ? 1 : 0));
    auto emptyColumns = [&](FT_Face face, unsigned index) {
        const int w = renderGlyph(face, index, style.pixels, style.pixels, style.baseline).width();
        return w > room ? 1000 + w : room - w;
    };
    const auto c = static_cast<FT_ULong>(code);
    const bool letter = (code < 128 && std::isalnum(code)) || code >= 192;
    FT_Face face = std::string_view(".,:;").find(static_cast<char>(code)) != std::string_view::npos ? faces.dots
                                                                                                    : faces.narrow;
    GlyphJob job{face, FT_Get_Char_Index(face, c), cellWidth, room, bandTop, letter};
    if (job.index == 0) throw std::runtime_error("the face lacks character " + std::to_string(code));
    const unsigned wideIndex = FT_Get_Char_Index(faces.wide, c);
    if (wideIndex != 0 && cellWidth >= 8) {
        const int narrowGap = emptyColumns(faces.narrow, job.index);
        if (narrowGap < 1000 && emptyColumns(faces.wide, wideIndex) + 1 < narrowGap) {
            job.face = faces.wide;
            job.index = wideIndex;
        }
    }
    return job;
}

// The first row holding ink in a cell.
int firstInkRow(const GlyphCell& cell) {
    for (int y = 0; y < kFontLineHeight; ++y)
        for (int x = 0; x < cell.width; ++x)
            if (cell.at(x, y) >= 0.5f) return y;
    return kFontLineHeight;
}

// Where the proportional face's letters stand: the stem of its I, the tops of I and d.
LetterFrame measureLetters(const Faces& faces, const FontStyle& style) {
    auto letter = [&](int code) {
        return fitGlyph({faces.narrow, FT_Get_Char_Index(faces.narrow, static_cast<FT_ULong>(code)), 5, 4,
                         kFontInkTop, true},
                        style);
    };
    const GlyphCell capital = letter('I');
    const GlyphCell ell = letter('d');
    LetterFrame frame{0, firstInkRow(capital), firstInkRow(ell), style.baseline};
    const int middle = (frame.capTop + frame.baseline) / 2;
    for (int x = 0; x < capital.width; ++x) frame.stem += capital.at(x, middle) >= 0.5f;
    frame.stem = std::clamp(frame.stem, 1, 2);
    return frame;
}

// The letter under an umlaut, or 0.
int umlautBase(int code) {
    switch (code) {
        case 196: return 'A';
        case 214: return 'O';
        case 220: return 'U';
        case 228: return 'a';
        case 246: return 'o';
        case 252: return 'u';
        default: return 0;
    }
}

GlyphCell renderCell(const Faces& faces, const GlyphRecord& r, const LetterFrame& frame, const FontStyle& style) {
    GlyphCell cell(r.width);
    if (setTellTaleGlyph(r.code, frame, cell)) return cell;
    const int base = umlautBase(r.code);
    if (base == 0) return fitGlyph(chooseGlyph(faces, r.code, r.width, kFontInkTop, style), style);
    // A capital under dots is one row shorter, so the dots and a clear row fit above it.
    const bool capital = base < 'a';
    cell = fitGlyph(chooseGlyph(faces, base, r.width, kFontInkTop + (capital ? 2 : 0), style), style);
    addUmlautDots(cell, firstInkRow(cell), frame);
    return cell;
}

// Surrounds the glyph with a soft glow inside its cell, so alarm text reads over bright explosions.
void addHalo(GlyphCell& cell) {
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
    const FaceHandle narrow(style.faceFile);
    const FaceHandle wide(style.wideFile);
    const FaceHandle dots(style.dotsFile);
    const Faces faces{narrow.get(), wide.get(), dots.get()};
    const LetterFrame frame = measureLetters(faces, style);
    Image texture(kFontTextureWidth, kFontTextureHeight);
    for (const GlyphRecord& r : fontRecords()) {
        GlyphCell cell = renderCell(faces, r, frame, style);
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
