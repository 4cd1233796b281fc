// Key and button polling, typed text, random ranges, the stepped clock and file helpers.
#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <set>

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Input.h"
#include "platform/Keys.h"

namespace tolvex {
namespace {

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetInput(); }
};

TEST_F(InputTest, KeyPressedCountsThenResets) {
  FeedKey(KEY_SPACE, true);
  FeedKey(KEY_SPACE, false);
  FeedKey(KEY_SPACE, true);
  EXPECT_EQ(KeyPressed(KEY_SPACE), 2);
  EXPECT_EQ(KeyPressed(KEY_SPACE), 0);
  EXPECT_TRUE(KeyHeld(KEY_SPACE));
  FeedKey(KEY_SPACE, false);
  EXPECT_FALSE(KeyHeld(KEY_SPACE));
}

// Events taken from the window before a frame is shown are handled when the next frame pumps,
// before any that came later; a pump that may not read the window handles only those.
TEST_F(InputTest, CollectedEventsAreHandledFirstAndAloneWhenTheWindowMayNotBeRead) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
  const auto press = [](SDL_Keycode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
  };
  press(SDLK_SPACE);
  CollectEvents();
  EXPECT_EQ(KeyPressed(KEY_SPACE), 0) << "taken, not handled yet";
  press(SDLK_a);
  PumpEvents(false);
  EXPECT_EQ(KeyPressed(KEY_SPACE), 1);
  EXPECT_EQ(KeyPressed(LetterKey('a')), 0) << "still waiting in the window's queue";
  PumpEvents();
  EXPECT_EQ(KeyPressed(LetterKey('a')), 1);
  EXPECT_EQ(KeyPressed(KEY_SPACE), 0) << "a collected event is handled once";
  SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

TEST_F(InputTest, ClearKeyPressesForgetsPressesButNotHeldKeys) {
  FeedKey(LetterKey('w'), true);
  FeedButton(1, true);
  FeedText("x");
  ClearKeyPresses();
  EXPECT_EQ(KeyPressed(KEY_A + 22), 0);
  EXPECT_EQ(ButtonPressed(1), 0);
  EXPECT_EQ(NextTypedChar(), 0);
  EXPECT_TRUE(KeyHeld(KEY_A + 22));
  EXPECT_TRUE(ButtonHeld(1));
}

TEST_F(InputTest, OutOfRangeKeysAndButtonsAreIgnored) {
  FeedKey(0, true);
  FeedKey(kKeyCount, true);
  FeedButton(4, true);
  EXPECT_EQ(KeyPressed(-1), 0);
  EXPECT_EQ(KeyPressed(kKeyCount), 0);
  EXPECT_EQ(ButtonPressed(0), 0);
  EXPECT_FALSE(ButtonHeld(4));
}

TEST_F(InputTest, TypedTextBecomesLatin1AndDropsTheRest) {
  FeedText("a\xC3\xA9\xE2\x82\xAC" "b");  // a, é, €, b
  EXPECT_EQ(NextTypedChar(), 'a');
  EXPECT_EQ(NextTypedChar(), 0xE9);
  EXPECT_EQ(NextTypedChar(), 'b');
  EXPECT_EQ(NextTypedChar(), 0);
}

// The pad stands in for keys and mouse buttons on top of the keyboard and mouse: letting go of
// one never lets go of the other, and nothing it does reaches a recording.
TEST_F(InputTest, StandInsAddToTheKeyboardAndMouseWithoutBeingHeard) {
  int heard = 0;
  SetInputListener([&](const InputEvent&) { ++heard; });
  FeedKey(LetterKey('W'), true);
  HoldStandInKey(LetterKey('W'));
  HoldStandInKey(KEY_SPACE);
  PressStandInKey(KEY_SPACE);
  HoldStandInButton(1);
  PressStandInButton(2);
  PlacePointer(300, 200);
  EXPECT_EQ(heard, 1) << "only the keyboard's W";
  EXPECT_TRUE(KeyHeld(KEY_SPACE));
  EXPECT_EQ(KeyPressesWaiting(KEY_SPACE), 1);
  EXPECT_EQ(KeyPressed(KEY_SPACE), 1);
  EXPECT_TRUE(ButtonHeld(1));
  EXPECT_EQ(ButtonPressed(2), 1);
  EXPECT_FALSE(ButtonHeld(2));
  EXPECT_EQ(PointerX(), 300);
  EXPECT_FALSE(MouseMovedPointer()) << "placed, not moved by the mouse";
  ReleaseStandIns();
  EXPECT_TRUE(KeyHeld(LetterKey('W'))) << "the keyboard still holds it";
  EXPECT_FALSE(KeyHeld(KEY_SPACE));
  EXPECT_FALSE(ButtonHeld(1));
  FeedKey(LetterKey('W'), false);
  HoldStandInKey(LetterKey('W'));
  EXPECT_TRUE(KeyHeld(LetterKey('W'))) << "the pad still holds it";
  FeedMouseMove(300, 200);
  EXPECT_FALSE(MouseMovedPointer()) << "to where the pad put it: no move, and none a recording keeps";
  FeedMouseMove(10, 10);
  EXPECT_TRUE(MouseMovedPointer());
  EXPECT_FALSE(MouseMovedPointer());
  SetInputListener(nullptr);
}

TEST_F(InputTest, PadEventsAndFocusLossesAreKeptLikeKeys) {
  FeedPadAxis(PadAxis::LeftY, -40000);
  FeedPadButton(PadButton::Start, true);
  FeedPadButton(PadButton::Start, false);
  FeedPadButton(PadButton::Start, true);
  FeedFocusLost();
  EXPECT_EQ(PadAxisValue(PadAxis::LeftY), -32768) << "clamped to the axis' range";
  EXPECT_TRUE(PadButtonHeld(PadButton::Start));
  EXPECT_EQ(FocusLosses(), 1);
  EXPECT_EQ(FocusLosses(), 0);
  const auto held = HeldInput();
  ASSERT_EQ(held.size(), 3u) << "the pointer, the leaning stick and the held button";
  EXPECT_EQ(held[1].type, InputEvent::Type::PadAxis);
  EXPECT_EQ(held[1].value, -32768);
  EXPECT_EQ(held[2].type, InputEvent::Type::PadButton);
  ClearKeyPresses();
  EXPECT_EQ(PadButtonPressed(PadButton::Start), 0);
  EXPECT_TRUE(PadButtonHeld(PadButton::Start));
}

TEST(Random, IntegerRangesAreInclusiveInEitherOrder) {
  SeedRandom(7);
  EXPECT_EQ(RandomInt(1, 1), 1);
  std::set<int> seen;
  for (int i = 0; i < 500; ++i) {
    const int value = RandomInt(5, 1);
    ASSERT_GE(value, 1);
    ASSERT_LE(value, 5);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 5u);
}

TEST(Random, FloatsExcludeTheUpperEnd) {
  SeedRandom(3);
  for (int i = 0; i < 1000; ++i) {
    const float value = RandomFloat(2.0f, -1.0f);
    ASSERT_GE(value, -1.0f);
    ASSERT_LT(value, 2.0f);
  }
}

TEST(Random, SameSeedSameSequence) {
  SeedRandom(42);
  const int a = RandomInt(0, 1000000), b = RandomInt(0, 1000000);
  SeedRandom(42);
  EXPECT_EQ(RandomInt(0, 1000000), a);
  EXPECT_EQ(RandomInt(0, 1000000), b);
}

TEST(SteppedClock, AdvancesExactlyOneStepPerFrame) {
  UseSteppedClock(16);
  EXPECT_EQ(ClockMs(), 0);
  AdvanceClock();
  AdvanceClock();
  EXPECT_EQ(ClockMs(), 32);
  WaitForClockAfter(32);
  EXPECT_EQ(ClockMs(), 32) << "a stepped clock never waits";
  UseSteppedClock(0);
}

TEST(RealClock, WaitingForTheNextTickEndsOnTheNextTick) {
  for (int i = 0; i < 20; ++i) {
    AdvanceClock();
    const int now = ClockMs();
    WaitForClockAfter(now);
    AdvanceClock();
    const int after = ClockMs();
    EXPECT_GT(after, now);
    EXPECT_LE(after, now + 50) << "it waits for the next tick, not much longer";
  }
  WaitForClockAfter(ClockMs() - 1000);  // a clock already past the mark: no wait at all
}

TEST(RealClock, StandsStillWithinAFrame) {
  AdvanceClock();
  const int frameStart = ClockMs();
  SDL_Delay(5);
  EXPECT_EQ(ClockMs(), frameStart) << "every step of a frame sees the time the frame began";
  RefreshClock();
  EXPECT_GE(ClockMs(), frameStart + 5);
}

TEST(SteppedClock, StartsWhereToldAndTakesEachFrameItsOwnStep) {
  UseSteppedClock(16, 5000);
  EXPECT_EQ(ClockMs(), 5000);
  SetClockStep(0);
  AdvanceClock();
  EXPECT_EQ(ClockMs(), 5000) << "a step of 0 keeps the clock stepped";
  SetClockStep(250);
  AdvanceClock();
  RefreshClock();
  EXPECT_EQ(ClockMs(), 5250) << "a stepped clock ignores the real one";
  UseSteppedClock(0);
}

// A paused game's clock stands still, and goes on from where it stood: stepped or real, no time
// passes for the game while it is held.
TEST(SteppedClock, StandsStillWhileHeld) {
  UseSteppedClock(16, 1000);
  HoldClock(true);
  HoldClock(true);
  AdvanceClock();
  AdvanceClock();
  EXPECT_EQ(ClockMs(), 1000);
  HoldClock(false);
  AdvanceClock();
  EXPECT_EQ(ClockMs(), 1016);
  UseSteppedClock(0);
  EXPECT_FALSE(ClockHeld()) << "a new clock starts free";
}

TEST(RealClock, GoesOnFromWhereItStoodWhenLetGo) {
  AdvanceClock();
  HoldClock(true);
  const int held = ClockMs();
  SDL_Delay(30);
  AdvanceClock();
  RefreshClock();
  EXPECT_EQ(ClockMs(), held);
  const int letGo = RealClockMs();
  HoldClock(false);
  AdvanceClock();
  const int after = ClockMs(), realAfter = RealClockMs();
  EXPECT_GE(after, held);
  EXPECT_LE(after - held, realAfter - letGo) << "the 30 ms held are not counted";
  WaitForClockAfter(after);
  AdvanceClock();
  EXPECT_GT(ClockMs(), after) << "waiting for the next tick waits on the game's clock";
  UseSteppedClock(0);
}

TEST(Trigonometry, WorksInDegrees) {
  EXPECT_NEAR(SinDeg(90), 1.0f, 1e-6f);
  EXPECT_NEAR(CosDeg(180), -1.0f, 1e-6f);
  EXPECT_NEAR(ATan2Deg(1, 0), 90.0f, 1e-4f);
  EXPECT_NEAR(ATan2Deg(0, -1), 180.0f, 1e-4f);
}

TEST(Files, FoldersAndLinesWithBackslashPaths) {
  const auto root = std::filesystem::temp_directory_path() / ("tolvex_files_" + std::to_string(::getpid()));
  const std::string base = root.string();
  std::filesystem::remove_all(root);
  EXPECT_EQ(PathKind(base), 0);
  EXPECT_TRUE(ListFolder(base).empty()) << "a missing folder lists nothing";
  ASSERT_TRUE(CreateFolder(base));
  EXPECT_EQ(PathKind(base), 2);
  {
    auto file = WriteFile(base + "\\notes.txt");
    ASSERT_TRUE(file);
    file->WriteLine("first");
    file->WriteLine("second");
  }
  EXPECT_EQ(PathKind(base + "\\notes.txt"), 1);
  auto file = ReadFile(base + "\\notes.txt");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->ReadLine(), "first");
  EXPECT_EQ(file->ReadLine(), "second");
  EXPECT_TRUE(file->Eof());
  file->SeekToStart();
  EXPECT_EQ(file->ReadLine(), "first");
  EXPECT_EQ(ListFolder(base), std::vector<std::string>{"notes.txt"});
  EXPECT_EQ(ReadFile(base + "\\missing.txt"), nullptr);
  EXPECT_EQ(ReadFile(base), nullptr) << "a folder is not a readable file";
  std::filesystem::remove_all(root);
}

TEST(Files, ExtensionIsTheTextAfterTheLastDot) {
  EXPECT_EQ(FileExtension("pic3.png"), "png");
  EXPECT_EQ(FileExtension("archive.tar.GZ"), "GZ");
  EXPECT_EQ(FileExtension("README"), "");
}

}  // namespace
}  // namespace tolvex
