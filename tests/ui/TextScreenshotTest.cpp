// Draws a few messages, panels and an input field with the game's fonts on the software
// renderer, checks where they land, and saves the picture as "ui_text_screenshot.png" in the
// build folder for a look by eye.
#include <gtest/gtest.h>

#include <algorithm>

#include "BuildPaths.h"
#include "GameFontScreen.h"
#include "platform/Image.h"
#include "ui/TTextfield.h"

namespace tolvex {
namespace {

using TextScreenshot = test::GameFontScreen;

TEST_F(TextScreenshot, MessagesAPanelAndAnInputField) {
  // A dark blue backdrop like space.
  SetColor(8, 12, 40);
  DrawRect(0, 0, 640, 360);
  FrameClock = 10000;
  TMessage::Init();
  SelectFont(GameFont2);
  TMessage::Add("Start Game", 5000, 2.0f, 0xF09300);
  TMessage::Add("First Stage", 5000, 2.0f, 0xF4B800);
  TMessage::Add("Double Kill! + 100 Points", 5000, 1.0f, 0x60FF60);
  FrameClock = 12000;
  TMessage::ProcessAll();
  TMessage::DrawAll();

  SetBlend(kBlendAlpha);
  const auto panel = TTextfield::Create(480, 40, 1.0f, TTextfield::kCentred);
  for (const char* line : {"1. Pilot  12500", "2. Ace  9800", "", "Your Score: 4711 | Kills: 23",
                           "Rank: Apprentice of destruction + 2", "Gr\xFC\xDF" "e: \xC4\xD6\xDC \xE4\xF6\xFC \xA9\xAE\xA7"}) {
    panel->AddContent(line);
  }
  panel->Draw();
  const auto right = TTextfield::Create(630, 300, 1.0f, TTextfield::kRight);
  right->AddContent("right-aligned: {[(#$%&*+-/:;<=>?@_|~)]}");
  right->Draw();

  // The alarms as the HUD shows them: the glowing font, half as large again, added to the screen.
  SelectFont(GameFont3);
  SetScale(1.5f, 1.5f);
  SetBlend(kBlendLight);
  SetColor(255, 255, 255);
  DrawText("!!! ROCKETALARM !!! incoming: 11", 80, 196);
  SetColor(255, 255, 100);
  DrawText("!!! HP Level Low !!!", 80, 226);
  SetScale(1.0f, 1.0f);
  SetBlend(kBlendAlpha);

  SelectFont(GameFont);
  SetAlpha(1.0f);
  const auto field = TINPT_FIELD::create(20, 280, 160, 40, "Player", 0);
  field->options("Commander Jameson", true, 3);
  TINPT_FIELD::UPDATE(0, 0, false);

  const std::string path = std::string(TOLVEX_TEST_OUTPUT_DIR) + "/ui_text_screenshot.png";
  const Pixmap picture = GrabPixmap(0, 0, 640, 360);
  ASSERT_TRUE(SavePicturePng(picture, path, 5));
  const auto saved = LoadPixmap(path);
  ASSERT_TRUE(saved);
  EXPECT_TRUE(saved->pixels == picture.pixels) << "the file holds the picture itself";
  // A right-aligned line starts 8 px a character left of its point: 630 − 8 × 39 = 318.
  int leftmost = 640;
  for (int y = 300; y < 316; ++y) {
    for (int x = 300; x < 640; ++x) leftmost = (picture.At(x, y) >> 16 & 255) > 64 ? std::min(x, leftmost) : leftmost;
  }
  EXPECT_GE(leftmost, 318);
  EXPECT_LE(leftmost, 320);
  // The first message's orange shows at the left edge around its line (top 64, 32 high).
  const auto isOrange = [](std::uint32_t p) {
    const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
    return r > 200 && g > 120 && g < 170 && b < 40;
  };
  int orange = 0;
  for (int y = 64; y < 96; ++y) {
    for (int x = 10; x < 220; ++x) orange += isOrange(picture.At(x, y));
  }
  EXPECT_GT(orange, 10);
  // The rocket alarm lights its line, and its glow keeps to it (rows 2 to 12 of the font, and the
  // glow a row or two around them, at 1.5 times: from 196 + 1.5 to 196 + 1.5 * 15).
  int lit = 0, strayed = 0;
  for (int y = 190; y < 226; ++y) {
    for (int x = 80; x < 560; ++x) {
      const bool white = (picture.At(x, y) & 255) > 200;
      lit += white;
      strayed += white && (y < 196 || y >= 196 + 23);
    }
  }
  EXPECT_GT(lit, 300);
  EXPECT_EQ(strayed, 0);
}

}  // namespace
}  // namespace tolvex
