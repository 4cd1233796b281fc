// The three bitmap fonts: metrics files byte for byte, glyphs inside their rectangles, INI twins.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "AssetFiles.h"

namespace tolvex::test {
namespace {

struct Record {
    int code, x, y, width;
};

// The game's character records, written out row by row as "character x/width" (codes above 127
// are Latin-1); a separate transcription from the generator's table, so either typo shows.
std::vector<Record> expectedRecords() {
    struct Row {
        int y;
        std::vector<std::pair<int, std::string>> cells;  // (code, "x/width")
    };
    const Row rows[] = {
        {2, {{'!', "2/5"}, {'#', "15/10"}, {'$', "28/10"}, {'%', "41/10"}, {'&', "54/11"}, {'\'', "67/3"},
             {'(', "80/5"}, {')', "93/5"}, {'*', "106/10"}, {'+', "119/7"}, {',', "132/3"}, {'-', "145/7"},
             {'.', "158/3"}, {'/', "171/5"}, {'0', "184/10"}, {'1', "197/5"}, {'2', "210/10"}, {'3', "223/10"},
             {'4', "236/10"}}},
        {18, {{'5', "2/10"}, {'6', "15/10"}, {'7', "28/8"}, {'8', "41/10"}, {'9', "54/10"}, {':', "67/3"},
              {';', "80/3"}, {'<', "93/7"}, {'=', "106/8"}, {'>', "119/7"}, {'?', "132/10"}, {'@', "145/10"},
              {'A', "158/10"}, {'B', "171/10"}, {'C', "184/10"}, {'D', "197/10"}, {'E', "210/10"}, {'F', "223/10"},
              {'G', "236/10"}}},
        {34, {{'H', "2/10"}, {'I', "15/3"}, {'J', "28/8"}, {'K', "41/10"}, {'L', "54/8"}, {'M', "67/13"},
              {'N', "80/10"}, {'O', "93/10"}, {'P', "106/10"}, {'Q', "119/10"}, {'R', "132/10"}, {'S', "145/10"},
              {'T', "158/10"}, {'U', "171/10"}, {'V', "184/10"}, {'W', "197/13"}, {'X', "210/10"}, {'Y', "223/10"},
              {'Z', "236/10"}}},
        {50, {{'[', "2/5"}, {']', "15/5"}, {'_', "28/11"}, {'a', "41/10"}, {'b', "54/10"}, {'c', "67/10"},
              {'d', "80/10"}, {'e', "93/10"}, {'f', "106/10"}, {'g', "119/10"}, {'h', "132/10"}, {'i', "145/3"},
              {'j', "158/8"}, {'k', "171/10"}, {'l', "184/8"}, {'m', "197/13"}, {'n', "210/10"}, {'o', "223/10"},
              {'p', "236/10"}}},
        {66, {{'q', "2/10"}, {'r', "15/10"}, {'s', "28/10"}, {'t', "41/10"}, {'u', "54/10"}, {'v', "67/10"},
              {'w', "80/13"}, {'x', "93/10"}, {'y', "106/10"}, {'z', "119/10"}, {'{', "132/7"}, {'|', "145/7"},
              {'}', "158/7"}, {'~', "171/8"}, {167, "184/7"}, {169, "197/10"}, {174, "210/10"}, {220, "223/10"},
              {196, "236/10"}}},
        {82, {{214, "2/10"}, {252, "15/10"}, {228, "28/10"}, {246, "41/10"}, {223, "54/10"}}},
    };
    std::vector<Record> out;
    for (const Row& row : rows)
        for (const auto& [code, cell] : row.cells) {
            Record r{code, 0, row.y, 0};
            char slash = 0;
            std::istringstream(cell) >> r.x >> slash >> r.width;
            out.push_back(r);
        }
    return out;
}

void putLe32(std::vector<unsigned char>& out, int v) {
    for (int s = 0; s < 32; s += 8) out.push_back(static_cast<unsigned char>((static_cast<std::uint32_t>(v) >> s) & 0xff));
}

std::vector<unsigned char> expectedMetricsBytes() {
    std::vector<unsigned char> out;
    for (int v : {256, 128, 0, 0, 0, 100, 16, 8, 13}) putLe32(out, v);
    for (const Record& r : expectedRecords())
        for (int v : {r.code, r.x, r.y, r.width}) putLe32(out, v);
    return out;
}

const char* const kFonts[] = {"font", "font2", "font3"};

TEST(FontRecords, FollowTheTextureGrid) {
    const auto records = expectedRecords();
    ASSERT_EQ(records.size(), 100u);
    for (const Record& r : records) {
        EXPECT_EQ((r.x - 2) % 13, 0) << r.code;
        EXPECT_LE(r.width, 13) << r.code;
        EXPECT_LE(r.x + r.width, 256) << r.code;
        EXPECT_LE(r.y + 16, 128) << r.code;
    }
}

TEST(FontMetrics, AreThe1636BytesOfTheRecordsLittleEndian) {
    const auto expected = expectedMetricsBytes();
    ASSERT_EQ(expected.size(), 1636u);
    for (const char* font : kFonts) {
        const auto bytes = fileBytes(gfxPath(std::string(font) + ".dat"));
        EXPECT_EQ(bytes.size(), 1636u) << font;
        EXPECT_TRUE(bytes == expected) << font << ".dat differs from the records";
    }
}

TEST(FontMetrics, ParseBackToTheRecords) {
    const auto bytes = fileBytes(gfxPath("font.dat"));
    ASSERT_EQ(bytes.size(), 1636u);
    auto readInt = [&](std::size_t offset) {
        return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                                         static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
    };
    EXPECT_EQ(readInt(20), 100);  // record count
    EXPECT_EQ(readInt(24), 16);   // line height
    EXPECT_EQ(readInt(28), 8);    // blank width
    const auto records = expectedRecords();
    for (std::size_t k = 0; k < records.size(); ++k) {
        const std::size_t at = 36 + 16 * k;
        EXPECT_EQ(readInt(at), records[k].code);
        EXPECT_EQ(readInt(at + 4), records[k].x);
        EXPECT_EQ(readInt(at + 8), records[k].y);
        EXPECT_EQ(readInt(at + 12), records[k].width);
    }
    EXPECT_EQ(readInt(36 + 16 * 31), 'A');  // the letter A is record 31, at (158, 18), 10 wide
    EXPECT_EQ(readInt(36 + 16 * 31 + 4), 158);
    EXPECT_EQ(readInt(36 + 16 * 31 + 8), 18);
    EXPECT_EQ(readInt(36 + 16 * 31 + 12), 10);
}

TEST(FontTextures, Are256By128WhiteGlyphs) {
    for (const char* font : kFonts) {
        const art::Image img = loadGfx(std::string(font) + ".png");
        ASSERT_EQ(img.width, 256) << font;
        ASSERT_EQ(img.height, 128) << font;
        for (std::size_t i = 0; i < img.rgba.size(); i += 4)
            if (img.rgba[i + 3] > 0) {
                ASSERT_TRUE(img.rgba[i] == 255 && img.rgba[i + 1] == 255 && img.rgba[i + 2] == 255) << font;
            }
    }
}

TEST(FontTextures, HoldAVisibleGlyphInEveryRecordRectangle) {
    for (const char* font : kFonts) {
        const art::Image img = loadGfx(std::string(font) + ".png");
        for (const Record& r : expectedRecords()) {
            int solid = 0;
            for (int y = r.y; y < r.y + 16; ++y)
                for (int x = r.x; x < r.x + r.width; ++x) solid += alphaAt(img, x, y) >= 128;
            EXPECT_GE(solid, 2) << font << " character " << r.code << " is empty";
        }
    }
}

TEST(FontTextures, DrawNothingOutsideTheRecordRectangles) {
    const auto records = expectedRecords();
    for (const char* font : kFonts) {
        const art::Image img = loadGfx(std::string(font) + ".png");
        std::vector<bool> inside(256 * 128, false);
        for (const Record& r : records)
            for (int y = r.y; y < r.y + 16; ++y)
                for (int x = r.x; x < r.x + r.width; ++x) inside[y * 256 + x] = true;
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 256; ++x)
                if (!inside[y * 256 + x]) {
                    ASSERT_EQ(alphaAt(img, x, y), 0) << font << " at " << x << "," << y;
                }
    }
}

TEST(FontTextures, GlyphsDoNotTouchTheCellsRightEdgeSoLettersKeepApart) {
    for (const char* font : kFonts) {
        const art::Image img = loadGfx(std::string(font) + ".png");
        for (const Record& r : expectedRecords()) {
            if (r.width < 5 || r.code == '_') continue;  // underline may run through
            int edge = 0;
            for (int y = r.y; y < r.y + 16; ++y) edge = std::max(edge, alphaAt(img, r.x + r.width - 1, y));
            EXPECT_LT(edge, 128) << font << " character " << r.code;
        }
    }
}

// The strongest alpha in rows [from, to) of a character's cell.
int rowsInk(const art::Image& img, int code, int from, int to) {
    for (const Record& r : expectedRecords()) {
        if (r.code != code) continue;
        int ink = 0;
        for (int y = r.y + from; y < r.y + to; ++y)
            for (int x = r.x; x < r.x + r.width; ++x) ink = std::max(ink, alphaAt(img, x, y));
        return ink;
    }
    return -1;
}

TEST(FontTextures, CapitalUmlautsKeepTheirDotsAboveTheLetter) {
    for (const char* font : kFonts) {
        const art::Image img = loadGfx(std::string(font) + ".png");
        EXPECT_LT(rowsInk(img, 'A', 0, 2), 60) << font << ": capitals leave the top rows for accents";
        for (int code : {196, 214, 220}) EXPECT_GE(rowsInk(img, code, 0, 3), 100) << font << " lost the dots of " << code;
    }
}

TEST(FontTextures, GlyphsKeepToElevenRowsSoPanelLinesTwelvePixelsApartNeverTouch) {
    // Rows 2 to 12 of each 16-px cell; only the alarm font's soft glow may reach beyond them.
    const std::pair<const char*, int> kMostOutside[] = {{"font", 0}, {"font2", 0}, {"font3", 80}};
    for (const auto& [font, most] : kMostOutside) {
        const art::Image img = loadGfx(std::string(font) + ".png");
        for (const Record& r : expectedRecords()) {
            int outside = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = r.x; x < r.x + r.width; ++x)
                    if (y < 2 || y > 12) outside = std::max(outside, alphaAt(img, x, r.y + y));
            EXPECT_LE(outside, most) << font << " character " << r.code;
            EXPECT_GE(rowsInk(img, r.code, 2, 13), 128) << font << " character " << r.code;
        }
    }
}

TEST(FontTextures, BoldMessagesFontIsHeavierThanThePlainOne) {
    auto ink = [](const art::Image& img) {
        long sum = 0;
        for (std::size_t i = 3; i < img.rgba.size(); i += 4) sum += img.rgba[i];
        return sum;
    };
    EXPECT_GT(ink(loadGfx("font2.png")), ink(loadGfx("font.png")) * 1.15);
}

TEST(FontIni, ListsTheSectionsAndEveryRecord) {
    const auto records = expectedRecords();
    for (const char* font : kFonts) {
        const auto bytes = fileBytes(gfxPath(std::string(font) + ".ini"));
        const std::string text(bytes.begin(), bytes.end());
        std::size_t last = 0;
        for (const char* section : {"[global]", "[texture]", "[font]", "[chars]"}) {
            const std::size_t at = text.find(section);
            ASSERT_NE(at, std::string::npos) << font << " lacks " << section;
            EXPECT_GE(at, last) << section << " out of order";
            last = at;
        }
        const std::string chars = text.substr(text.find("[chars]"));
        for (const Record& r : records) {
            const std::string line = "\n" + std::to_string(r.code) + "=" + std::to_string(r.x) + "," +
                                     std::to_string(r.y) + "," + std::to_string(r.width) + "\n";
            EXPECT_NE(chars.find(line), std::string::npos) << font << " lacks " << line;
        }
        EXPECT_NE(text.find("file=" + std::string(font) + ".png"), std::string::npos);
    }
}

}  // namespace
}  // namespace tolvex::test
