// The gamepad in the player's hands: each action of the keyboard table on its pad button, the
// left stick thrusting as W, A, S and D, the triggers firing, the right stick aiming, and the
// stick and A in the menus.
#include <cmath>
#include <filesystem>
#include <functional>
#include <set>

#include "StartedGame.h"
#include "platform/Keys.h"
#include "shell/PadControls.h"
#include "shell/Pause.h"
#include "support/MenuClick.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {
namespace {

void Tap(PadButton button) {
  FeedPadButton(button, true);
  FeedPadButton(button, false);
}

int ObjectsOfKind(ObjectKind kind) {
  int count = 0;
  for (const TGObjectPtr& object : TUniverse::WorldList()) count += object->Kind() == kind;
  return count;
}

class PadInPlay : public StartedGame {
 protected:
  void SetUp() override {
    StartedGame::SetUp();
    ResetPadControls();
    ASSERT_NO_FATAL_FAILURE(Start(kStateGame));
    Frames(40);  // enemies have arrived and the player has a target
    ASSERT_NE(Player, nullptr);
  }
};

// Every action of the keyboard table, done with the pad button a twin-stick player reaches for.
TEST_F(PadInPlay, EveryButtonDoesItsActionOfTheKeyboardTable) {
  struct Case {
    const char* action;
    PadButton button;
    std::function<void()> before;
    std::function<bool()> done;
  };
  TShip& ship = *Player;
  const bool autoSelect = ship.RocketAutoSelectComp, aimHelp = ship.AimHelp;
  const int heavyRockets = ship.Rockets[3];
  const Case cases[] = {
      {"rocket type 1", PadButton::DpadUp, [&] { ship.RocketAutoSelectComp = false; ship.SelectedRockets = 3; },
       [&] { return ship.SelectedRockets == 0; }},
      {"rocket type 2", PadButton::DpadRight, {}, [&] { return ship.SelectedRockets == 1; }},
      {"rocket type 3", PadButton::DpadDown, {}, [&] { return ship.SelectedRockets == 2; }},
      {"rocket type 4", PadButton::DpadLeft, {}, [&] { return ship.SelectedRockets == 3; }},
      {"automatic rocket choice (R)", PadButton::X, [&] { ship.RocketAutoSelectComp = autoSelect; },
       [&] { return ship.RocketAutoSelectComp != autoSelect; }},
      {"aiming help (T)", PadButton::Y, {}, [&] { return ship.AimHelp != aimHelp; }},
      {"the fourth rocket (E)", PadButton::A, {}, [&] { return ship.Rockets[3] == heavyRockets - 1; }},
      {"drop the target (C)", PadButton::B, [&] { ASSERT_TRUE(ship.KI_target); },
       [&] { return ship.KI_target == nullptr; }},
      {"screenshot (Left Alt)", PadButton::RightShoulder, {},
       [] { return std::filesystem::exists("screenshots/pic0.png"); }},
      {"pause (P)", PadButton::Start, {}, [] { return GamePaused(); }},
  };
  for (const Case& c : cases) {
    if (c.before) c.before();
    Tap(c.button);
    Frames(1);
    EXPECT_TRUE(c.done()) << c.action;
  }
}

TEST_F(PadInPlay, BackGivesUpOnlyFromThePause) {
  Tap(PadButton::Back);
  Frames(1);
  EXPECT_GT(Player->HP, 0) << "a stray thumb on Back in play does nothing";
  EXPECT_FALSE(GamePaused());
  Tap(PadButton::Start);
  Frames(1);
  ASSERT_TRUE(GamePaused());
  Tap(PadButton::Back);
  Frames(1);
  EXPECT_FALSE(GamePaused());
  EXPECT_TRUE(Player->Dead || Player->HP <= 0) << "given up, as Escape does";
}

TEST_F(PadInPlay, TheLeftStickThrustsAsWasd) {
  const struct {
    int x, y;
    std::set<char> keys;
  } cases[] = {
      {0, -32000, {'W'}},        {0, 32000, {'S'}},          {-32000, 0, {'A'}},        {32000, 0, {'D'}},
      {-23000, -23000, {'W', 'A'}}, {23000, 23000, {'S', 'D'}}, {30000, -10000, {'D'}},   // within 22.5° of right
      {6000, -5000, {}},                                                                    // inside the dead zone
  };
  for (const auto& c : cases) {
    FeedPadAxis(PadAxis::LeftX, c.x);
    FeedPadAxis(PadAxis::LeftY, c.y);
    ApplyPadControls();
    std::set<char> held;
    for (const char key : {'W', 'A', 'S', 'D'})
      if (KeyHeld(LetterKey(key))) held.insert(key);
    EXPECT_EQ(held, c.keys) << c.x << ", " << c.y;
  }
}

TEST_F(PadInPlay, TheTriggersFireTheGunsAndOneRocketPerPull) {
  Player->RocketAutoSelectComp = false;
  Player->SelectedRockets = 0;
  Player->Rockets[0] = 5;
  const int shots = ObjectsOfKind(ObjectKind::Shot);
  FeedPadAxis(PadAxis::LeftTrigger, 32512);
  FeedPadAxis(PadAxis::RightTrigger, 32512);
  Frames(3);
  EXPECT_GT(ObjectsOfKind(ObjectKind::Shot), shots) << "the guns fire while the left trigger is held";
  EXPECT_EQ(Player->Rockets[0], 4) << "one rocket per pull, however long it is held";
  // Easing off to between the marks neither lets go nor fires again; below the lower mark lets go.
  FeedPadAxis(PadAxis::RightTrigger, (kTriggerPulled + kTriggerLetGo) / 2);
  Frames(1);
  FeedPadAxis(PadAxis::RightTrigger, 32512);
  Frames(1);
  EXPECT_EQ(Player->Rockets[0], 4);
  FeedPadAxis(PadAxis::RightTrigger, kTriggerLetGo - 1);
  Frames(1);
  FeedPadAxis(PadAxis::RightTrigger, 32512);
  Frames(1);
  EXPECT_EQ(Player->Rockets[0], 3);
  FeedPadAxis(PadAxis::LeftTrigger, 0);
  ApplyPadControls();
  EXPECT_FALSE(ButtonHeld(1));
}

TEST_F(PadInPlay, TheRightStickPutsThePointerAroundTheShipAndTheShipTurnsToIt) {
  FeedPadAxis(PadAxis::RightX, 32512);
  Frames(1);
  const float shipX = Player->X - CameraX, shipY = Player->Y - CameraY;
  EXPECT_NEAR(PointerX(), shipX + 0.35f * 720, 1);
  EXPECT_NEAR(PointerY(), shipY, 1);
  FeedPadAxis(PadAxis::RightX, 0);
  Frames(60);
  EXPECT_NEAR(Player->Rotation, 90, 1) << "the pointer stays to the right once the stick is let go";
  // Holding the heading (the left shoulder, as Space) keeps it while the stick points up.
  FeedPadButton(PadButton::LeftShoulder, true);
  FeedPadAxis(PadAxis::RightY, -32512);
  Frames(30);
  EXPECT_NEAR(Player->Rotation, 90, 1);
  FeedPadButton(PadButton::LeftShoulder, false);
  FeedPadAxis(PadAxis::RightY, 0);
  Frames(60);
  EXPECT_NEAR(Player->Rotation, 0, 1);
  // The mouse takes the pointer back.
  FeedMouseMove(10, 20);
  Frames(1);
  EXPECT_EQ(PointerX(), 10);
}

TEST_F(StartedGame, InTheMenusTheStickMovesThePointerAndAClicks) {
  ResetPadControls();
  ASSERT_NO_FATAL_FAILURE(Start(kStateMainMenu));
  Frames(60);  // past the glide
  FeedMouseMove(100, 100);
  FeedPadAxis(PadAxis::LeftX, 32767);
  Frames(10);
  EXPECT_NEAR(PointerX(), 100 + 10 * 16, 1) << "1000 px a second leaning fully";
  EXPECT_EQ(PointerY(), 100);
  FeedPadAxis(PadAxis::LeftX, 0);
  const TMenuePtr start = FindMenuButton("start_game");
  ASSERT_TRUE(start);
  const auto spot = start->ClickSpot();
  ASSERT_TRUE(spot);
  FeedMouseMove(static_cast<float>(spot->first), static_cast<float>(spot->second));
  Frames(1);
  Tap(PadButton::A);
  Frames(1);
  EXPECT_EQ(GameState, kStateGame);
}

}  // namespace
}  // namespace tolvex
