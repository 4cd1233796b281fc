// The started game as a player meets it: the opening messages, the first frames, a second game
// after a first, the screenshot keys, the menu gliding away, the music, quitting, and the pace of
// the main loop.
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "BuildPaths.h"
#include "StartedGame.h"
#include "core/GameRequests.h"
#include "core/ShellSounds.h"
#include "musicgen/Envelope.h"
#include "musicgen/OggVorbisFile.h"
#include "platform/Graphics.h"
#include "platform/Image.h"
#include "platform/Keys.h"
#include "platform/Sound.h"
#include "shell/TMusic.h"
#include "stages/TLevel.h"
#include "support/MenuClick.h"
#include "ui/TMessage.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

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

TEST_F(StartedGame, ANewGameForgetsTheCheatedGameThatWentFarBeforeIt) {
  Start(kStateGame);
  Frames(2);
  // The first game: a cheat, a late stage, a hard run and a big bonus gun, then given up.
  FeedKey(KEY_LCONTROL, true);
  FeedKey(LetterKey('K'), true);
  Frames(1);
  FeedKey(KEY_LCONTROL, false);
  FeedKey(LetterKey('K'), false);
  ASSERT_EQ(CheatUsed, 1);
  TLevel::SetLevel(Levels[12]);
  Difficulty = 2.5f, BonusGunLevel = 4;
  const TShipPtr first = Player;
  first->Points = 90000, first->MultikillHighest = 9, first->AimHelp = false;
  FeedKey(KEY_ESCAPE, true);
  FeedKey(KEY_ESCAPE, false);
  for (int i = 0; i < 300 && GameState != kStateHighscore; ++i) Frames(1);
  ASSERT_EQ(GameState, kStateHighscore);
  Frames(30);  // the fight goes on behind the highscore screen
  ASSERT_GT(TUniverse::WorldList().Count(), 1u);
  const auto starts = [] {
    int n = 0;
    for (const TMessagePtr& message : MessageList) n += message->content == "Start Game";
    return n;
  };
  const auto startsBefore = starts();
  PlayerIdleTime = 4990;
  // The second game, with a key pressed before it began.
  FeedKey(LetterKey('T'), true);
  FeedKey(LetterKey('T'), false);
  SetGameState(kStateGame);
  ASSERT_NE(Player.get(), first.get());
  EXPECT_EQ(TUniverse::WorldList().Count(), 1u) << "the last game's ships are gone; the new ship alone";
  EXPECT_EQ(PlayerIdleTime, 0);
  Frames(1);
  EXPECT_EQ(CheatUsed, 0);
  EXPECT_EQ(Difficulty, 1.0f);
  EXPECT_EQ(BonusGunLevel, 1);
  EXPECT_EQ(TLevel::GetCurrentLevelName(), "First Stage");
  EXPECT_EQ(CameraTarget.get(), Player.get());
  EXPECT_FALSE(Player->Dead);
  EXPECT_EQ(Player->Points, 0.0f);
  EXPECT_EQ(Player->MultikillHighest, 0);
  EXPECT_TRUE(Player->AimHelp) << "on, and the T pressed before the start was flushed";
  EXPECT_EQ(starts(), startsBefore + 1);
}

TEST_F(StartedGame, InTheGameEachLeftAltSavesOnePictureOfTheBattleWithoutTheHud) {
  Start(kStateGame);
  Frames(3);
  auto pictures = [] {
    return std::distance(std::filesystem::directory_iterator("screenshots"), std::filesystem::directory_iterator());
  };
  Pixmap shown;
  hooks.beforePresent = [&](int) { shown = GrabPixmap(0, 0, GfxWidth, GfxHeight); };
  FeedKey(KEY_LALT, true);
  FeedKey(KEY_LALT, false);
  Frames(1);
  ASSERT_EQ(pictures(), 1);
  const auto saved = LoadPixmap("screenshots/pic0.png");
  ASSERT_TRUE(saved);
  // The radar at the bottom centre is on the screen, not in the picture.
  int differing = 0;
  for (int y = GfxHeight - 190; y < GfxHeight - 10; ++y)
    for (int x = GfxWidth / 2 - 90; x < GfxWidth / 2 + 90; ++x) differing += saved->At(x, y) != shown.At(x, y);
  EXPECT_GT(differing, 5000);
  Frames(5);
  EXPECT_EQ(pictures(), 1) << "one press, one picture";
  FeedKey(KEY_LALT, true);
  FeedKey(KEY_LALT, false);
  Frames(3);
  EXPECT_EQ(pictures(), 2);
}

TEST_F(StartedGame, InTheGameAClickOnTheGlidingMenusQuitLabelDoesNothing) {
  Start(kStateMainMenu);
  Frames(1);
  ClickMenuButton("start_game");
  ASSERT_EQ(GameState, kStateGame);
  Frames(3);  // the sphere glides away with its buttons
  ClickMenuButton("quit", false);
  const TMenuePtr quit = FindMenuButton("quit");
  ASSERT_TRUE(quit);
  EXPECT_TRUE(quit->active) << "the pointer is on the label";
  EXPECT_EQ(QuitGame, 0);
  EXPECT_EQ(GameState, kStateGame);
}

TEST_F(StartedGame, WithASoundDeviceTheEffectsLoadASongPlaysFromTheStartAndTheNextFollowsWhenItEnds) {
  if (!OpenAudio()) GTEST_SKIP() << "no audio device, not even a silent one";
  // The build's effects, and two songs of a third of a second, in the run folder.
  std::filesystem::create_directory_symlink(std::filesystem::path(TOLVEX_PROGRAM).parent_path() / "sfx", "sfx");
  music::Stereo tone(music::framesOf(0.3));
  for (std::size_t i = 0; i < tone.frames(); ++i) tone.left[i] = tone.right[i] = 0.2f * std::sin(i * 0.05f);
  std::filesystem::create_directory("music");
  ASSERT_TRUE(music::writeOggVorbis("music/One.ogg", tone, "One", 1));
  ASSERT_TRUE(music::writeOggVorbis("music/Two.ogg", tone, "Two", 2));
  Start(kStateMainMenu);
  const ShellSounds& effects = Sounds();
  for (const SoundPtr* effect : {&effects.rocketAlarm, &effects.hpAlarm, &effects.getPoint, &effects.nextStage,
                                 &effects.rocketFire, &effects.doubleKill, &effects.multiKill, &effects.bonsai,
                                 &effects.evilLaugh})
    EXPECT_TRUE(*effect) << "effect " << effect - &effects.rocketAlarm << " did not load";
  Frames(1);
  const MusicSoundPtr first = TMusic::CurrentSound;
  ASSERT_TRUE(first) << "a song from the first frame";
  EXPECT_FALSE(first->IsFinished());
  const std::string title = TMusic::GetTitle();
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (TMusic::CurrentSound == first && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Frames(1);
  }
  ASSERT_NE(TMusic::CurrentSound, first) << "no next song";
  EXPECT_TRUE(first->IsFinished()) << "not before the first one ended";
  EXPECT_NE(TMusic::GetTitle(), title);
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
