// The helpers every subsystem shares: bearings, screen tests, rank titles, positional sound.
#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <utility>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "scores/RankTitle.h"
#include "support/SilentSound.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

class HelpersTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetShellGlobals(); }
  void TearDown() override { ResetShellGlobals(); }
};

TEST_F(HelpersTest, RankTitlesAtEveryBoundary) {
  // q = n div 5, r = n mod 5; the suffix is r, except r − 2 for "Multikill" and (q − 7) × 5 from 40 on.
  const std::pair<int, const char*> kTitles[] = {
      {0, "Nobody"},                          {1, "Nobody + 1"},
      {2, "Multikill"},                       {4, "Multikill + 2"},
      {5, "Apprentice of destruction"},       {9, "Apprentice of destruction + 4"},
      {10, "Master of destruction"},          {14, "Master of destruction + 4"},
      {15, "King of destruction"},            {19, "King of destruction + 4"},
      {20, "Emperor of destruction"},         {24, "Emperor of destruction + 4"},
      {25, "God of destruction"},             {29, "God of destruction + 4"},
      {30, "God of slaughter"},               {34, "God of slaughter + 4"},
      {35, "Armageddon"},                     {39, "Armageddon + 4"},
      {40, "Armageddon + 5"},                 {44, "Armageddon + 5"},
      {45, "Armageddon + 10"},                {50, "Armageddon + 15"},
  };
  for (const auto& [n, title] : kTitles) EXPECT_EQ(RankTitle(n), title) << n;
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
  EXPECT_FALSE(IsOnScreen(300, 89, 10));
  EXPECT_TRUE(IsOnScreen(300, 90, 10));
  EXPECT_TRUE(IsOnScreen(300, 710, 10));
  EXPECT_FALSE(IsOnScreen(300, 711, 10));
}

TEST_F(HelpersTest, SoundFadesFromTheCentreToTheEdgeOfHearing) {
  EXPECT_FLOAT_EQ(SoundAttenuation(0, 0, 800), 0.0f);
  EXPECT_FLOAT_EQ(SoundAttenuation(800, 0, 800), 0.5f);
  EXPECT_FLOAT_EQ(SoundAttenuation(0, 1600, 800), 1.0f);
  EXPECT_LT(SoundAttenuation(300, 400, 800), SoundAttenuation(600, 800, 800));
}

TEST_F(HelpersTest, APositionalSoundPlaysFainterFartherFromTheScreenCentreAndNotAtAllFromTwoWidths) {
  if (!OpenAudio()) GTEST_SKIP() << "no audio device, not even a silent one";
  const test::TempFolder folder;
  const SoundPtr sound = test::SilentSound(folder.File("bang.wav"));
  ASSERT_TRUE(sound);
  GfxWidth = 800, GfxHeight = 600;
  CameraX = 1000, CameraY = -300;  // the screen's centre is the world point (1400, 0)
  SfxVolume = 0.5f;
  // The channel volume an event at (x, y) is played at, or −1 when it is not played.
  const auto volumeAt = [&](int x, int y) {
    Mix_HaltChannel(-1);
    PlaySoundAt(sound, x, y);
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel)
      if (Mix_Playing(channel)) return Mix_Volume(channel, -1);
    return -1;
  };
  EXPECT_EQ(volumeAt(1400, 0), 64) << "the centre: the effect volume";
  EXPECT_EQ(volumeAt(2200, 0), 32) << "one screen width to the right: half of it";
  EXPECT_EQ(volumeAt(1400, -1200), 16) << "one and a half widths up: a quarter";
  EXPECT_EQ(volumeAt(1400 - 1599, 0), 0) << "just inside hearing: played, too faint to hear";
  EXPECT_EQ(volumeAt(1400 - 1600, 0), -1) << "two screen widths away: not played";
  EXPECT_EQ(volumeAt(1400, 1600), -1);
  CloseAudio();
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
