// Text panels: layout of the lines, moving, height and drawing with a shadow.
#include <gtest/gtest.h>

#include "ScreenFixture.h"
#include "ui/GameFonts.h"
#include "ui/TTextfield.h"

namespace tolvex {
namespace {

TEST(TextfieldLayout, CreateAddAndMove) {
  const auto panel = TTextfield::Create(640, 72, 1.5f, TTextfield::kCentred);
  EXPECT_FLOAT_EQ(panel->x, 640.0f);
  EXPECT_FLOAT_EQ(panel->y, 72.0f);
  EXPECT_EQ(panel->style, TTextfield::kCentred);
  EXPECT_TRUE(panel->Content.empty());
  panel->AddContent("one");
  panel->AddContent("");
  panel->AddContent("three");
  ASSERT_EQ(panel->Content.size(), 3u);
  EXPECT_EQ(panel->Content[2], "three");
  panel->move(0, -1);
  panel->move(5, 3);
  EXPECT_FLOAT_EQ(panel->x, 645.0f);
  EXPECT_FLOAT_EQ(panel->y, 74.0f);
}

TEST(TextfieldLayout, HeightIsTwelvePixelsPerLineAtItsScaleTruncated) {
  const auto panel = TTextfield::Create(0, 0, 1.5f, TTextfield::kLeft);
  EXPECT_EQ(panel->getHeight(), 0);
  for (int i = 0; i < 3; ++i) panel->AddContent("x");
  EXPECT_EQ(panel->getHeight(), 54);
  panel->textsize = 1.1f;
  EXPECT_EQ(panel->getHeight(), 39);  // 39.6
}

TEST(TextfieldLayout, LinesStartByStyleAtEightPixelsACharacter) {
  // Left at x; centred n × 0.5 × 8 × size left of x; right 8 × n × size left of x; other styles at 0.
  const std::tuple<unsigned char, float, std::size_t, float> kCases[] = {  // style, size, n, left edge
      {TTextfield::kRight, 1, 10, 420},  {TTextfield::kRight, 2, 10, 340}, {TTextfield::kCentred, 1, 10, 460},
      {TTextfield::kCentred, 1, 3, 488}, {TTextfield::kLeft, 1, 10, 500},  {3, 1, 10, 0}};
  for (const auto& [style, size, n, left] : kCases)
    EXPECT_FLOAT_EQ(TTextfield::Create(500, 100, size, style)->LineLeft(n), left) << int(style) << " " << n;
}

TEST(TextfieldLayout, LinesAreTwelvePixelsApartAtScaleOne) {
  const auto panel = TTextfield::Create(0, 40, 1.0f, TTextfield::kLeft);
  EXPECT_FLOAT_EQ(panel->LineTop(0), 40.0f);
  EXPECT_FLOAT_EQ(panel->LineTop(3), 76.0f);
  panel->textsize = 2.0f;
  EXPECT_FLOAT_EQ(panel->LineTop(3), 112.0f);
}

class TextfieldDrawTest : public test::ScreenTest {
 protected:
  void SetUp() override {
    test::ScreenTest::SetUp();
    // A grey backdrop so the half-transparent black shadow shows.
    SetColor(64, 64, 64);
    DrawRect(0, 0, kWidth, kHeight);
    SetBlend(kBlendAlpha);
    GameFont = font_;
    SetFont(nullptr);
  }
  void TearDown() override {
    ResetGameFonts();
    test::ScreenTest::TearDown();
  }
};

TEST_F(TextfieldDrawTest, TextWithShadowInThePanelFont) {
  const auto panel = TTextfield::Create(20, 30, 1.0f, TTextfield::kLeft);
  panel->AddContent("i");
  panel->Draw();
  EXPECT_EQ(CurrentDrawState().font, font_.get());
  // White at alpha 0.9 over grey 64: 0.9 · 255 + 0.1 · 64 ≈ 236.
  EXPECT_NEAR(static_cast<int>(ScreenRGB(21, 35) & 0xFF), 236, 2);
  // The shadow, 2 px lower right, is black at alpha 0.5: grey 64 becomes 32.
  EXPECT_NEAR(static_cast<int>(ScreenRGB(24, 40) & 0xFF), 32, 2);
  EXPECT_NEAR(static_cast<int>(ScreenRGB(23, 47) & 0xFF), 32, 2);
  EXPECT_EQ(ScreenRGB(25, 40), 0x404040u);
  EXPECT_EQ(ScreenRGB(19, 35), 0x404040u);
  const DrawState& state = CurrentDrawState();
  EXPECT_FLOAT_EQ(state.alpha, 0.9f);
  EXPECT_EQ(state.r + state.g + state.b, 3 * 255);
  EXPECT_FLOAT_EQ(state.scaleX, 1.0f);
}

TEST_F(TextfieldDrawTest, RightAlignedLinesEndAtTheAnchor) {
  const auto panel = TTextfield::Create(200, 30, 1.0f, TTextfield::kRight);
  panel->AddContent("iiiiiiiiii");  // ten characters: the layout cell puts the line at 120
  panel->AddContent("i");           // one character: at 192, on the second line
  panel->Draw();
  EXPECT_GT(ScreenRGB(120, 35) & 0xFF, 200u);
  EXPECT_EQ(ScreenRGB(119, 35), 0x404040u);
  EXPECT_GT(ScreenRGB(192, 43) & 0xFF, 200u);
  EXPECT_EQ(ScreenRGB(191, 43), 0x404040u);
}

TEST_F(TextfieldDrawTest, AnEmptyPanelDrawsNothing) {
  const auto panel = TTextfield::Create(20, 30, 1.0f, TTextfield::kLeft);
  panel->Draw();
  EXPECT_EQ(ScreenRGB(21, 35), 0x404040u);
}

}  // namespace
}  // namespace tolvex
