// The banner the player sees while the game waits for the highscore server.
#include <gtest/gtest.h>

#include "platform/Graphics.h"
#include "scores/OnlineBanner.h"

namespace tolvex {
namespace {

std::uint32_t ScreenRGB(int x, int y) { return GrabPixmap(x, y, 1, 1).At(0, 0) & 0xFFFFFFu; }

TEST(OnlineBannerTest, DarkensABoxInTheMiddleOfTheScreen) {
  ShowOnlineBanner("Get Highscores from Website...");  // no screen yet: nothing happens
  ASSERT_TRUE(OpenHeadlessScreen(200, 100));
  ResetDrawState();
  SetColor(255, 255, 255);
  DrawRect(0, 0, 200, 100);
  SetBlend(kBlendSolid);
  // Without a font the text measures 0 × 0: the box is 40 × 20 around the centre.
  ShowOnlineBanner("Get Highscores from Website...");
  const std::uint32_t grey = ScreenRGB(100, 50);
  EXPECT_NEAR(static_cast<int>(grey & 0xFF), 77, 2) << std::hex << grey;
  EXPECT_EQ(ScreenRGB(80, 40), grey);
  EXPECT_EQ(ScreenRGB(119, 59), grey);
  EXPECT_EQ(ScreenRGB(79, 50), 0xFFFFFFu);
  EXPECT_EQ(ScreenRGB(120, 50), 0xFFFFFFu);
  EXPECT_EQ(ScreenRGB(100, 39), 0xFFFFFFu);
  EXPECT_EQ(ScreenRGB(100, 60), 0xFFFFFFu);
  EXPECT_EQ(CurrentDrawState().r, 255);
  EXPECT_EQ(CurrentDrawState().b, 255);
  CloseScreen();
}

}  // namespace
}  // namespace tolvex
