// The game's own fonts drawn the way the game draws them, on the software renderer, and read back:
// the lines of a text panel keep a clear row between them, and 1, l and I are told apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GameFontScreen.h"
#include "platform/Image.h"
#include "ui/TTextfield.h"

namespace tolvex {
namespace {

using LegibleText = test::GameFontScreen;

// The brightest channel of a pixel.
int Light(std::uint32_t argb) { return std::max({(argb >> 16) & 255u, (argb >> 8) & 255u, argb & 255u}); }

// The first and last screen rows holding any light (-1, -1 when there is none).
std::pair<int, int> LitRows(const Pixmap& screen) {
  std::pair<int, int> rows{-1, -1};
  for (int y = 0; y < screen.height; ++y)
    for (int x = 0; x < screen.width; ++x)
      if (Light(screen.At(x, y)) > 8) {
        if (rows.first < 0) rows.first = y;
        rows.second = y;
        break;
      }
  return rows;
}

TEST_F(LegibleText, PanelLinesKeepAClearRowBetweenThem) {
  // Lines reaching from the dots over capitals and the tops of b, d and l down to the tails of
  // g, j, p, q and y, and through every sign that stands tall or low.
  const std::vector<std::string> lines = {
      "Highscore Tolvex 1.07",
      "1. Pilot gypsy - 12500 - Multikill",
      "\xC4rger \xD6l \xDC" "ber bdfhkl {[(|)]} $ @ \xA7 \xA9",
      "jumpy quay _ Jg Qq",
      "Time:11 Illegal lily",
      "\xE4\xF6\xFC\xDF gjpqy \xC4\xD6\xDC",
  };
  // Each line alone, at its place in the panel, on black: the half-transparent black shadow
  // vanishes and only the text lights pixels.
  std::vector<std::pair<int, int>> rows;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SetColor(0, 0, 0);
    SetAlpha(1);
    Cls();
    const auto panel = TTextfield::Create(kWidth / 2, 40, 1.0f, TTextfield::kCentred);
    for (std::size_t j = 0; j < lines.size(); ++j) panel->AddContent(j == i ? lines[j] : "");
    panel->Draw();
    rows.push_back(LitRows(GrabPixmap(0, 0, kWidth, kHeight)));
    ASSERT_GE(rows.back().first, 40 + 12 * static_cast<int>(i)) << lines[i];
  }
  for (std::size_t i = 0; i + 1 < rows.size(); ++i)
    EXPECT_LT(rows[i].second + 1, rows[i + 1].first)
        << "\"" << lines[i] << "\" (rows " << rows[i].first << "-" << rows[i].second << ") touches \""
        << lines[i + 1] << "\" (from row " << rows[i + 1].first << ")";
}

// What lies around a glyph's stem: strong ink, nothing, or something faint in between.
enum class Ink { kStrong, kNone, kFaint };

// The marks by which a reader tells 1, l and I apart, read off a glyph drawn white on black.
struct GlyphMarks {
  Ink flag;      // left of the stem in the upper half: the one's flag
  Ink footLeft;  // left of the stem in the bottom two rows: the one's foot
  Ink tail;      // right of the stem in the bottom two rows: the l's tail, the one's foot
};

GlyphMarks ReadMarks(const Pixmap& glyph) {
  constexpr int kStrongLight = 160, kNoLight = 96;  // the alarm font's glow stays below 96
  std::vector<int> column(glyph.width, 0);
  int top = glyph.height, bottom = -1;
  for (int y = 0; y < glyph.height; ++y)
    for (int x = 0; x < glyph.width; ++x)
      if (Light(glyph.At(x, y)) >= kStrongLight) {
        ++column[x];
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  const int tallest = *std::max_element(column.begin(), column.end());
  int stemLeft = glyph.width, stemRight = -1;
  for (int x = 0; x < glyph.width; ++x)
    if (tallest > 0 && column[x] * 10 >= tallest * 6) {
      stemLeft = std::min(stemLeft, x);
      stemRight = std::max(stemRight, x);
    }
  auto region = [&](int x0, int x1, int y0, int y1) {
    int strongest = 0;
    for (int y = std::max(0, y0); y < std::min(glyph.height, y1); ++y)
      for (int x = std::max(0, x0); x < std::min(glyph.width, x1); ++x) strongest = std::max(strongest, Light(glyph.At(x, y)));
    return strongest >= kStrongLight ? Ink::kStrong : strongest < kNoLight ? Ink::kNone : Ink::kFaint;
  };
  return {region(0, stemLeft, top, (top + bottom + 1) / 2), region(0, stemLeft, bottom - 1, bottom + 1),
          region(stemRight + 1, glyph.width, bottom - 1, bottom + 1)};
}

const char* InkName(Ink ink) { return ink == Ink::kStrong ? "strong" : ink == Ink::kNone ? "none" : "faint"; }

TEST_F(LegibleText, OneEllAndCapitalIAreToldApartInEveryFont) {
  struct Case {
    char glyph;
    Ink flag, footLeft, tail;
  };
  constexpr Case kCases[] = {
      {'1', Ink::kStrong, Ink::kStrong, Ink::kStrong},  // flag and a foot on both sides
      {'l', Ink::kNone, Ink::kNone, Ink::kStrong},      // a tail to the right only
      {'I', Ink::kNone, Ink::kNone, Ink::kNone},        // a bare stem
  };
  const std::pair<const char*, const TVizazIrudPtr*> fonts[] = {
      {"font", &GameFont}, {"font2", &GameFont2}, {"font3", &GameFont3}};
  for (const auto& [name, font] : fonts) {
    SelectFont(*font);
    for (const Case& c : kCases) {
      // As the HUD shows the time: the glyph after "Time:".
      SetColor(0, 0, 0);
      SetAlpha(1);
      Cls();
      SetColor(255, 255, 255);
      SetBlend(kBlendAlpha);
      const std::string text = std::string("Time:") + c.glyph + c.glyph;
      DrawText(text, 20, 20);
      const int left = 20 + static_cast<int>(TextWidth("Time:"));
      const int width = static_cast<int>(TextWidth(std::string(1, c.glyph)));
      const GlyphMarks marks = ReadMarks(GrabPixmap(left, 20, width, 16));
      const std::string where = std::string(name) + " '" + c.glyph + "'";
      EXPECT_EQ(marks.flag, c.flag) << where << " flag: " << InkName(marks.flag);
      EXPECT_EQ(marks.footLeft, c.footLeft) << where << " foot left of the stem: " << InkName(marks.footLeft);
      EXPECT_EQ(marks.tail, c.tail) << where << " right of the stem at the bottom: " << InkName(marks.tail);
    }
  }
}

}  // namespace
}  // namespace tolvex
