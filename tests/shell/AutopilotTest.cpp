// The autopilot: what it decides from the battle and how it works the player's controls.
#include <cmath>

#include "../world/ShipWorldFixture.h"
#include "../world/WorldCleanup.h"
#include "platform/Clock.h"
#include "platform/Keys.h"
#include "shell/Autopilot.h"
#include "shell/FrameSteps.h"
#include "shell/LaunchOptions.h"
#include "ui/TMenue.h"

namespace tolvex {
namespace {

class AutopilotTest : public ShipWorldTest {
 protected:
  void SetUp() override {
    ShipWorldTest::SetUp();
    GfxWidth = 800, GfxHeight = 600;
    player = MakePlayer(1000, 1000);
    CameraX = 1000 - 400, CameraY = 1000 - 300;  // the player in the middle of the screen
  }
  void TearDown() override {
    ForgetShipReferences();
    ShipWorldTest::TearDown();
  }
  TShipPtr player;
  PilotBrain brain;
};

TEST_F(AutopilotTest, ThePointerSitsOnAVisibleTarget) {
  const TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 1200, 900);
  player->KI_target = enemy;
  const PilotHands hands = brain.Decide(*player, FrameClock);
  EXPECT_FLOAT_EQ(hands.pointerX, 600);
  EXPECT_FLOAT_EQ(hands.pointerY, 200);
}

TEST_F(AutopilotTest, AFarTargetPullsThePointerToTheScreenEdgeInItsDirection) {
  const TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 1000 + 4000, 1000 + 1000);
  player->KI_target = enemy;
  const PilotHands hands = brain.Decide(*player, FrameClock);
  EXPECT_FLOAT_EQ(hands.pointerX, 799);
  EXPECT_NEAR(hands.pointerY, 300 + 399.0f / 4, 1e-3) << "same direction as the target";
  EXPECT_TRUE(hands.forward);
  EXPECT_FALSE(hands.back || hands.strafeRight);
  EXPECT_FALSE(hands.fireGuns) << "out of gun range";
}

TEST_F(AutopilotTest, CloseInItCirclesAndTooCloseItBacksAwaySideways) {
  const TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 2000, 1000);
  player->KI_target = enemy;
  PilotHands hands = brain.Decide(*player, FrameClock);
  EXPECT_TRUE(hands.forward && hands.strafeRight && hands.fireGuns);
  enemy->X = 1500;
  hands = brain.Decide(*player, FrameClock);
  EXPECT_TRUE(hands.back && hands.strafeRight && hands.fireGuns);
  EXPECT_FALSE(hands.forward);
}

TEST_F(AutopilotTest, ItAimsWhereItsShotsWillMeetAMovingTarget) {
  const TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 1000, 400);  // 600 px above
  enemy->Speed_x = 6;                                                // 420 px/s to the right
  player->Speed_x = 2;                                               // the shots carry this drift
  player->KI_target = enemy;
  const PilotHands hands = brain.Decide(*player, FrameClock);
  // The shot (1200 px/s, the hand-aimed gun's speed) meets the target t seconds later:
  // |(280 t, -600)| = 1200 t, relative to the drifting ship.
  const float t = 600 / std::sqrt(1200.0f * 1200.0f - 280.0f * 280.0f);
  const float expectedX = 400 + 280 * t * (300 - 0) / 600, expectedY = 0;
  EXPECT_NEAR(hands.pointerY, expectedY, 1e-2) << "pulled onto the screen's top edge";
  EXPECT_NEAR(hands.pointerX, expectedX, 0.5);
}

TEST_F(AutopilotTest, RocketsGoWhenTheSelectorAdvisesWithAPauseBetween) {
  const TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 1500, 1000);
  player->KI_target = enemy;
  player->RocketAutoSelectHudtext = "Small Ship";
  EXPECT_FALSE(brain.Decide(*player, 1000).fireRocket);
  player->RocketAutoSelectHudtext = "Small Ship Fire:OK";
  EXPECT_TRUE(brain.Decide(*player, 1000).fireRocket);
  EXPECT_FALSE(brain.Decide(*player, 1500).fireRocket);
  EXPECT_TRUE(brain.Decide(*player, 2200).fireRocket);
}

TEST_F(AutopilotTest, AHeavyRocketGoesWhenOneIsInStockAndNoOtherIsAdvised) {
  const TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 2500, 1000);
  player->KI_target = enemy;
  EXPECT_FALSE(brain.Decide(*player, 1000).fireHeavyRocket);
  player->Rockets[3] = 1;
  EXPECT_TRUE(brain.Decide(*player, 1000).fireHeavyRocket);
}

TEST_F(AutopilotTest, AFarTargetIsDroppedForAMuchNearerEnemy) {
  const TShipPtr far = MakeShip(50, 15, 16, kKIEnemy, 4000, 1000);
  const TShipPtr near = MakeShip(50, 15, 16, kKIEnemy, 1600, 1000);
  player->KI_target = far;
  EXPECT_TRUE(brain.Decide(*player, 1000).dropTarget);
  EXPECT_FALSE(brain.Decide(*player, 1100).dropTarget) << "it gives the ship time to choose";
  player->KI_target = near;
  EXPECT_FALSE(brain.Decide(*player, 5000).dropTarget);
}

TEST_F(AutopilotTest, ALeavingTargetIsDroppedAndTheBuddyIsNeverChased) {
  const TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 1100, 1000);
  player->AddBuddy(buddy);
  const TShipPtr leaving = MakeShip(50, 15, 16, kKIEnemy, 1300, 1000);
  const TShipPtr fighter = MakeShip(50, 15, 16, kKIEnemy, 1000, 1800);
  leaving->KI_Leave = true;
  player->KI_target = leaving;
  EXPECT_TRUE(brain.Decide(*player, 1000).dropTarget);
  // Without a target it heads for the fighter below, past the nearer buddy and leaving ship:
  // straight down from the ship's screen point (400, 300), held on the screen's bottom edge.
  player->KI_target = nullptr;
  const PilotHands hands = brain.Decide(*player, 2000);
  EXPECT_FLOAT_EQ(hands.pointerX, 400);
  EXPECT_FLOAT_EQ(hands.pointerY, 599);
}

TEST_F(AutopilotTest, WithNobodyToFightItKeepsFlying) {
  const PilotHands hands = brain.Decide(*player, 1000);
  EXPECT_TRUE(hands.forward);
  EXPECT_FALSE(hands.fireGuns || hands.fireRocket);
}

TEST_F(AutopilotTest, ItWorksThePlayersOwnControls) {
  GameState = kStateGame;
  const TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 2000, 1000);
  player->KI_target = enemy;
  Autopilot pilot;
  pilot.BeforeFrame();
  EXPECT_TRUE(KeyHeld(LetterKey('W')));
  EXPECT_TRUE(KeyHeld(LetterKey('D')));
  EXPECT_FALSE(KeyHeld(LetterKey('S')));
  EXPECT_TRUE(ButtonHeld(1));
  EXPECT_FLOAT_EQ(PointerX(), 799);
  player->HP = -1;
  player->Dead = 1;
  GameState = kStateHighscore;
  pilot.BeforeFrame();
  EXPECT_FALSE(KeyHeld(LetterKey('W')) || ButtonHeld(1)) << "hands off when the game is over";
}

TEST_F(AutopilotTest, AfterThreeSecondsOnTheHighscoreScreenItClicksTheStartButton) {
  player->Remove();  // the game ends as it does when the ship is destroyed
  ASSERT_EQ(GameState, kStateHighscore);
  UseSteppedClock(100);
  TMenue::InitHighscoreMenue();
  Autopilot pilot;
  std::string command;
  int clickedAt = 0;
  for (int frame = 1; frame <= 60 && command.empty(); ++frame) {
    AdvanceClock();
    FrameClock = ClockMs();
    pilot.BeforeFrame();
    UpdateMouse();
    command = TMenue::ProcessAll();
    clickedAt = FrameClock;
  }
  UseSteppedClock(0);
  ResetMenu();
  EXPECT_EQ(command, "start_game") << "the menu's own button, clicked through the mouse";
  EXPECT_GT(clickedAt, 3000) << "after a look at the screen";
  EXPECT_LT(clickedAt, 4000);
}

TEST_F(AutopilotTest, TheCommandLineSwitchesItOn) {
  EXPECT_TRUE(ParseLaunchOptions({"--headless", "--autopilot"}).options.autopilot);
  EXPECT_FALSE(ParseLaunchOptions({"--headless"}).options.autopilot);
  EXPECT_NE(LaunchUsage().find("--autopilot"), std::string::npos);
}

}  // namespace
}  // namespace tolvex
