// The helpers every subsystem shares: bearings, screen tests, rank titles, sound attenuation.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/Helpers.h"

namespace tolvex {
namespace {

class HelpersTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetShellGlobals(); }
  void TearDown() override { ResetShellGlobals(); }
};

TEST_F(HelpersTest, RankTitles) {
  EXPECT_EQ(RankTitle(0), "Nobody");
  EXPECT_EQ(RankTitle(1), "Nobody + 1");
  EXPECT_EQ(RankTitle(2), "Multikill");
  EXPECT_EQ(RankTitle(4), "Multikill + 2");
  EXPECT_EQ(RankTitle(5), "Apprentice of destruction");
  EXPECT_EQ(RankTitle(7), "Apprentice of destruction + 2");
  EXPECT_EQ(RankTitle(14), "Master of destruction + 4");
  EXPECT_EQ(RankTitle(30), "God of slaughter");
  EXPECT_EQ(RankTitle(39), "Armageddon + 4");
  EXPECT_EQ(RankTitle(42), "Armageddon + 5");
  EXPECT_EQ(RankTitle(44), "Armageddon + 5");
  EXPECT_EQ(RankTitle(50), "Armageddon + 15");
}

TEST_F(HelpersTest, BearingsAreCompassAngles) {
  EXPECT_NEAR(AngleTo(0, 0, 0, -10), 0.0f, 1e-4f);
  EXPECT_NEAR(AngleTo(0, 0, 10, 0), 90.0f, 1e-4f);
  EXPECT_NEAR(AngleTo(0, 0, 0, 10), 180.0f, 1e-4f);
  EXPECT_NEAR(AngleTo(0, 0, -10, 0), 270.0f, 1e-4f);
  EXPECT_FLOAT_EQ(Distance(1, 2, 4, 6), 5.0f);
}

TEST_F(HelpersTest, IsOnScreenHonoursTheMargin) {
  GfxWidth = 800, GfxHeight = 600;
  CameraX = 100, CameraY = 100;
  EXPECT_TRUE(IsOnScreen(100, 100, 0));
  EXPECT_FALSE(IsOnScreen(89, 300, 10));
  EXPECT_TRUE(IsOnScreen(90, 300, 10));
  EXPECT_TRUE(IsOnScreen(910, 300, 10));
  EXPECT_FALSE(IsOnScreen(911, 300, 10));
}

TEST_F(HelpersTest, SoundFadesFromTheCentreToTheEdgeOfHearing) {
  EXPECT_FLOAT_EQ(SoundAttenuation(0, 0, 800), 0.0f);
  EXPECT_FLOAT_EQ(SoundAttenuation(800, 0, 800), 0.5f);
  EXPECT_FLOAT_EQ(SoundAttenuation(0, 1600, 800), 1.0f);
  EXPECT_LT(SoundAttenuation(300, 400, 800), SoundAttenuation(600, 800, 800));
}

TEST_F(HelpersTest, TextToIntReadsTheLeadingWholeNumber) {
  EXPECT_EQ(TextToInt("1920"), 1920);
  EXPECT_EQ(TextToInt("-4"), -4);
  EXPECT_EQ(TextToInt("+7"), 7);
  EXPECT_EQ(TextToInt("  42 px"), 42);
  EXPECT_EQ(TextToInt("7.9"), 7);
  EXPECT_EQ(TextToInt("yes"), 0);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("+-3"), 0);
  EXPECT_EQ(TextToInt("99999999999999999999999"), 2147483647) << "held at the end of the range";
  EXPECT_EQ(TextToInt("-99999999999"), -2147483647 - 1);
}

TEST_F(HelpersTest, TextToFloatReadsTheLeadingDecimalNumber) {
  EXPECT_FLOAT_EQ(TextToFloat("70"), 70.0f);
  EXPECT_FLOAT_EQ(TextToFloat("70.5%"), 70.5f);
  EXPECT_FLOAT_EQ(TextToFloat(" -0.25"), -0.25f);
  EXPECT_EQ(TextToFloat("loud"), 0.0f);
  EXPECT_EQ(TextToFloat("nan"), 0.0f);
  EXPECT_EQ(TextToFloat("inf"), 0.0f);
  EXPECT_EQ(TextToFloat("1e300"), 0.0f) << "beyond a float";
  EXPECT_EQ(TextToFloat("0x10"), 0.0f) << "no hexadecimal";
}

}  // namespace
}  // namespace tolvex
