// The started game as a player meets it: the opening messages, the first frames, the menu
// screenshot key, quitting, and the pace of the main loop.
#include <vector>

#include "StartedGame.h"
#include "core/GameRequests.h"
#include "platform/Graphics.h"
#include "platform/Image.h"
#include "platform/Keys.h"
#include "ui/TMessage.h"
#include "world/TShip.h"

namespace tolvex {
namespace {

TEST_F(StartedGame, TheOpeningMessagesStandOneBelowTheOther) {
  Start(kStateGame);
  Frames(1);
  std::vector<std::string> texts;
  std::vector<int> heights;
  std::vector<float> tops;
  MessageDrawOffset = 0;
  for (const TMessagePtr& message : MessageList) {
    texts.push_back(message->content);
    heights.push_back(message->height);
    tops.push_back(message->Top());
    MessageDrawOffset += static_cast<float>(message->height);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Start Game", "First Stage"}));
  EXPECT_EQ(heights, (std::vector<int>{32, 32}));
  EXPECT_EQ(tops, (std::vector<float>{192, 224}));
}

TEST_F(StartedGame, TheFirstHeavyRocketArrivesWithTheFirstFrame) {
  Start(kStateGame);
  Frames(1);
  ASSERT_NE(Player, nullptr);
  EXPECT_EQ(Player->Rockets, (std::array<int, 4>{3, 2, 1, 1}));
}

std::vector<std::uint8_t> requestedStates;
void RecordStateRequest(std::uint8_t state) { requestedStates.push_back(state); }

TEST_F(StartedGame, QuittingMidGameRunsNoGameOver) {
  Start(kStateGame);
  Frames(5);
  ASSERT_NE(Player, nullptr);
  ASSERT_FALSE(Player->Dead);
  requestedStates.clear();
  SetGameStateChanger(RecordStateRequest);  // stands in for the shell's own, to see what is asked of it
  Stop();
  EXPECT_TRUE(requestedStates.empty()) << "the highscore screen would record the quit game as a death";
  SetGameStateChanger(nullptr);
}

TEST_F(StartedGame, LeftAltOnTheMenuSavesThePictureThatIsShown) {
  Start(kStateMainMenu);
  Frames(3);
  FeedKey(KEY_LALT, true);
  FeedKey(KEY_LALT, false);
  bool checked = false;
  hooks.beforePresent = [&](int) {
    // The screenshot must be on disk, and equal to the frame, before the frame is shown.
    const auto saved = LoadPixmap("screenshots/pic0.png");
    ASSERT_TRUE(saved) << "no screenshot before the frame was shown";
    const Pixmap shown = GrabPixmap(0, 0, GfxWidth, GfxHeight);
    EXPECT_TRUE(saved->pixels == shown.pixels);
    checked = true;
  };
  Frames(1);
  EXPECT_TRUE(checked);
}

TEST_F(StartedGame, OnTheRealClockEveryFrameLastsAtLeastOneMillisecond) {
  Start(kStateMainMenu, 0, 64, 64);  // a tiny screen draws a frame in well under 1 ms
  int firstClock = 0, lastClock = 0, gameTime = 0;
  hooks.afterFrame = [&](int frame) {
    if (frame == 1) firstClock = FrameClock;
    else gameTime += FrameTime;
    lastClock = FrameClock;
  };
  hooks.finished = [](int frame) { return frame >= 200; };
  RunMainLoop(hooks);
  EXPECT_GE(lastClock - firstClock, 199) << "199 frames after the first take at least 199 ms";
  EXPECT_LE(gameTime, lastClock - firstClock) << "game time never runs ahead of the clock";
}

}  // namespace
}  // namespace tolvex
