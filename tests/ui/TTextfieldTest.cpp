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

TEST(TextfieldLayout, RightAlignedLineOfTenCharactersStartsEightyPixelsLeft) {
  const auto panel = TTextfield::Create(500, 100, 1.0f, TTextfield::kRight);
  EXPECT_FLOAT_EQ(panel->LineLeft(10), 420.0f);
  panel->textsize = 2.0f;
  EXPECT_FLOAT_EQ(panel->LineLeft(10), 340.0f);
}

TEST(TextfieldLayout, CentredAndLeftAlignedLinesAndUnknownStyles) {
  const auto panel = TTextfield::Create(500, 100, 1.0f, TTextfield::kCentred);
  EXPECT_FLOAT_EQ(panel->LineLeft(10), 460.0f);
  EXPECT_FLOAT_EQ(panel->LineLeft(3), 488.0f);
  panel->style = TTextfield::kLeft;
  EXPECT_FLOAT_EQ(panel->LineLeft(10), 500.0f);
  panel->style = 3;
  EXPECT_FLOAT_EQ(panel->LineLeft(10), 0.0f);
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
