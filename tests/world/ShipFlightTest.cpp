// The flight model: thrust, side thrust, top speed, drag, movement, turning, timers.
#include <cmath>

#include "platform/Clock.h"
#include "platform/Keys.h"
#include "ShipWorldFixture.h"

namespace tolvex {
namespace {

using ShipFlight = ShipWorldTest;

TEST_F(ShipFlight, CoastingSlowsByTenTimesPowerOverMassPerSecondAndStops) {
  // Enginepower 30, mass 50: 6 speed units per second of drag.
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->Speed_y = -10;
  for (int i = 0; i < 10; ++i) {
    SetFrame(100);
    ship->Physics();
  }
  EXPECT_NEAR(ship->Speed, 4.0f, 1e-4f);
  EXPECT_NEAR(ship->Speed_y, -4.0f, 1e-4f);
  for (int i = 0; i < 20; ++i) {
    SetFrame(100);
    ship->Physics();
    EXPECT_LE(ship->Speed_y, 0.0f) << "coasting never reverses";
  }
  EXPECT_EQ(ship->Speed, 0.0f);
  const float y = ship->Y;
  ship->Physics();
  EXPECT_EQ(ship->Y, y);
}

TEST_F(ShipFlight, SideThrustAloneDoesNotMoveTheShip) {
  TShipPtr ship = MakePlayer(300, 200);
  FeedKey(LetterKey('A'), true);
  for (int i = 0; i < 5; ++i) Tick(10);
  FeedKey(LetterKey('A'), false);
  FeedKey(LetterKey('D'), true);
  for (int i = 0; i < 5; ++i) Tick(10);
  EXPECT_EQ(ship->X, 300.0f);
  EXPECT_EQ(ship->Y, 200.0f);
  EXPECT_EQ(ship->Speed, 0.0f);
}

TEST_F(ShipFlight, TopSpeedHoldsExactlyWhileThrustingAlongTheWay) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->Rotation = 0;
  ship->Speed_y = -16;
  for (int i = 0; i < 50; ++i) {
    ship->Accelerate(1);
    ship->Physics();
  }
  EXPECT_EQ(ship->Speed_y, -16.0f);
  EXPECT_EQ(ship->Speed, 16.0f);
}

TEST_F(ShipFlight, ThrustNeverPushesPastTopSpeedAtAnAngle) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->Rotation = 30;
  for (int i = 0; i < 2000; ++i) {
    ship->Accelerate(1);
    ship->Physics();
    ASSERT_LE(ship->Speed, 16.0f + 1e-4f);
  }
  EXPECT_NEAR(ship->Speed, 16.0f, 0.05f);
}

TEST_F(ShipFlight, SlowAndFastFramesScaleTheStep) {
  // Without engine power there is no drag, so the step is the velocity alone.
  TShipPtr ship = MakeShip(50, 0, 16, kKIEnemy);
  ship->Speed_x = 3;
  ship->Speed_y = -2;
  SetFrame(200);
  ship->Physics();
  EXPECT_NEAR(ship->X, 14 * 3.0f, 1e-3f);
  EXPECT_NEAR(ship->Y, 14 * -2.0f, 1e-3f);
  ship->X = ship->Y = 0;
  SetFrame(1);
  ship->Physics();
  EXPECT_NEAR(ship->X, 0.07f * 3.0f, 1e-5f);
  EXPECT_NEAR(ship->Y, 0.07f * -2.0f, 1e-5f);
}

TEST_F(ShipFlight, WAndATogetherThrust45DegreesLeftOfTheHeading) {
  TShipPtr ship = MakePlayer();
  ship->Rotation = 0;
  FeedKey(KEY_SPACE, true);  // the heading stays put
  FeedKey(LetterKey('W'), true);
  FeedKey(LetterKey('A'), true);
  Tick(10);
  EXPECT_EQ(ship->Rotation, 0.0f);
  EXPECT_GT(ship->Speed, 0.0f);
  EXPECT_NEAR(ATan2Deg(ship->Speed_x, -ship->Speed_y), -45.0f, 1e-3f);
}

TEST_F(ShipFlight, ReverseThrustIsHalfPower) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->Accelerate(-0.5f);
  // 30 × Enginepower / Mass per second at half power, backwards.
  EXPECT_NEAR(ship->SpeedAcc, -0.5f * 30 * 30 / 50 / 100, 1e-6f);
  ship->Physics();
  EXPECT_GT(ship->Speed_y, 0.0f);
  EXPECT_EQ(ship->SpeedAcc, 0.0f);
  EXPECT_EQ(ship->SpeedAccDirection, 0.0f);
}

TEST_F(ShipFlight, DirectionIsTheDebrisFormOfTheVelocity) {
  TShipPtr ship = MakeShip(50, 0, 16, kKIEnemy);
  ship->Speed_y = -5;  // flying up the screen
  ship->Physics();
  EXPECT_NEAR(std::fabs(ship->Direction), 180.0f, 1e-3f);
}

TEST_F(ShipFlight, TurningLawWeighsHeadingsByMass) {
  TShipPtr light = MakeShip(50, 15, 16, kKIEnemy);
  TShipPtr heavy = MakeShip(500, 15, 16, kKIEnemy);
  SetFrame(10);
  light->TurnTowards(90);
  heavy->TurnTowards(90);
  // k = 5 / mass; the target vector weighs k × 100 / FrameRate.
  EXPECT_NEAR(light->Rotation, ATan2Deg(0.1f, 0.9f), 1e-4f);
  EXPECT_NEAR(heavy->Rotation, ATan2Deg(0.01f, 0.99f), 1e-4f);
  EXPECT_GT(light->Rotation, heavy->Rotation);
}

TEST_F(ShipFlight, PlayerTurnsTowardsTheMousePointer) {
  TShipPtr ship = MakePlayer(100, 100);
  CameraX = 0;
  CameraY = 0;
  FeedMouseMove(400, 100);  // straight to the right of the ship on screen
  for (int i = 0; i < 300; ++i) Tick(10);
  EXPECT_NEAR(ship->Rotation, 90.0f, 0.5f);
}

TEST_F(ShipFlight, BonusTimersRunDownAndRestAtZero) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->BONUS_Shield = 5;
  ship->BONUS_Doubledamage = 15;
  ship->shieldhit = 1;
  SetFrame(10);
  ship->Physics();
  EXPECT_EQ(ship->BONUS_Shield, -5);  // one frame below zero
  EXPECT_EQ(ship->BONUS_Doubledamage, 5);
  EXPECT_NEAR(ship->shieldhit, 0.99f, 1e-6f);
  ship->Physics();
  EXPECT_EQ(ship->BONUS_Shield, 0);
  EXPECT_EQ(ship->BONUS_Doubledamage, -5);
  ship->shieldhit = 0.005f;
  ship->Physics();
  EXPECT_EQ(ship->shieldhit, 0.0f);
}

TEST_F(ShipFlight, EscapeSendsOnlyEnemiesAwayButSpeedsEveryoneUp) {
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy);
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy);
  enemy->Escape();
  buddy->Escape();
  EXPECT_TRUE(enemy->KI_Leave);
  EXPECT_FALSE(buddy->KI_Leave);
  EXPECT_EQ(enemy->Enginespeed, 62.0f);
  EXPECT_FLOAT_EQ(enemy->EngineAcc, 30.0f / (50 * 62));
}

TEST_F(ShipFlight, NewShipsHaveTheirDefaults) {
  FrameClock = 4242;
  TShipPtr first = TShip::New();
  EXPECT_EQ(first->birthtime, 4242);
  EXPECT_EQ(first->RocketCapacity, (std::array<int, 4>{30, 20, 10, 5}));
  EXPECT_EQ(first->armor, 1.0f);
  EXPECT_EQ(first->HUD_RadarRange, 5000);
  EXPECT_TRUE(first->RocketAutoSelectComp);
  EXPECT_FALSE(first->AimHelp);
  EXPECT_EQ(first->KI, kKIPlayer);
}

TEST_F(ShipFlight, AutomaticReloadAddsOneRocketPerInterval) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  FrameClock = 30000;
  ship->SetAutoReload(3, 10000);
  Tick(10);
  EXPECT_EQ(ship->Rockets[3], 1);
  for (int i = 0; i < 1000; ++i) Tick(10);  // the clock stands exactly 10 000 ms after the reload
  EXPECT_EQ(ship->Rockets[3], 1) << "the interval must be exceeded, not just reached";
  Tick(10);
  EXPECT_EQ(ship->Rockets[3], 2);
}

TEST_F(ShipFlight, AShipAtZeroHitPointsDiesAtTheEndOfItsSteering) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->HP = 0;
  Tick(10);
  EXPECT_TRUE(ship->Dead);
  EXPECT_FALSE(InWorld(ship));
}

}  // namespace
}  // namespace tolvex
