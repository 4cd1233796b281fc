#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "WeaponsWorld.h"
#include "platform/Clock.h"

namespace tolvex::testing {
namespace {

class RocketTest : public WeaponsWorld {
 protected:
  // Steps the rocket until its search delay is over.
  static void FinishSearch(TRocket& rocket) {
    while (rocket.searchtimecounter > 0) rocket.Steering();
  }
  // A rocket of kind typ launched from the origin heading 0 at 1000 px/s, guided for one frame
  // with a turn step of `step` degrees; returns its heading afterwards.
  static float HeadingAfterOneTurn(std::uint8_t typ, const TShipPtr& target, float step) {
    const TRocketPtr rocket = TRocket::Create(MakeShip(0, 0), 0, 1000, target, typ);
    rocket->searchtimecounter = 0;
    rocket->Turntime = step * FrameRate;
    rocket->Steering();
    return rocket->Direction;
  }
};

TEST_F(RocketTest, KindsTakeTheirValuesFromTheTable) {
  const TShipPtr ship = MakeShip(10, 20);
  const TRocketPtr heavy = TRocket::Create(ship, 30, 150, nullptr, 2);
  EXPECT_EQ(heavy->Image, RocketImages[2]);
  EXPECT_EQ(heavy->blendmode, 3);
  EXPECT_EQ(heavy->MaxSpeed, 1600);
  EXPECT_EQ(heavy->LiveTime, 30000);
  EXPECT_EQ(heavy->HP, 30);
  EXPECT_EQ(heavy->Turntime, 54.000004f);
  EXPECT_GT(heavy->Turntime, 54.0f);
  EXPECT_EQ(heavy->searchtime, 300);
  EXPECT_EQ(heavy->searchtimecounter, 300);
  EXPECT_EQ(heavy->Damage, 350);
  EXPECT_EQ(heavy->SKI, 3);
  EXPECT_EQ(heavy->Source, ship);
  EXPECT_FLOAT_EQ(heavy->X, 10);
  EXPECT_FLOAT_EQ(heavy->Y, 20);
  EXPECT_FLOAT_EQ(heavy->Direction, 30);
  EXPECT_FLOAT_EQ(heavy->Speed, 150);
  const TRocketPtr plasma = TRocket::Create(ship, 0, 0, nullptr, 0);
  EXPECT_EQ(plasma->blendmode, 4);
  EXPECT_EQ(plasma->Turntime, 198);
  EXPECT_EQ(plasma->searchtime, 150);
  EXPECT_EQ(plasma->SKI, 1);
  EXPECT_EQ(TUniverse::WorldList().Last(), plasma);
}

TEST_F(RocketTest, DoubleDamageDoublesDamageAndHitPoints) {
  const TShipPtr ship = MakeShip(0, 0);
  ship->BONUS_Doubledamage = 500;
  const TRocketPtr rocket = TRocket::Create(ship, 0, 100, nullptr, 1);
  EXPECT_TRUE(rocket->DoubleDamage);
  EXPECT_EQ(rocket->Damage, 120);
  EXPECT_EQ(rocket->HP, 30);
}

TEST_F(RocketTest, SpeedsUpBy1000PxPerSecondSquaredAndMayOvershootOnce) {
  const TShipPtr ship = MakeShip(0, 0);
  const TRocketPtr rocket = TRocket::Create(ship, 90, 795, nullptr, 0);
  rocket->Steering();
  EXPECT_FLOAT_EQ(rocket->Speed, 805);
  EXPECT_NEAR(rocket->X, 8.05f, 1e-3);  // moved at its new speed, to the right
  EXPECT_NEAR(rocket->Y, 0, 1e-3);
  rocket->Steering();
  EXPECT_FLOAT_EQ(rocket->Speed, 805);
}

TEST_F(RocketTest, NeverHitsWhileSearching) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(0, -1000);
  const TRocketPtr rocket = TRocket::Create(ship, 0, 100, target, 1);
  rocket->X = target->X;
  rocket->Y = target->Y;
  rocket->Speed = 0;
  rocket->Steering();
  EXPECT_FLOAT_EQ(target->HP, 100);
  rocket->searchtimecounter = 0;
  rocket->X = target->X;
  rocket->Y = target->Y;
  rocket->Steering();
  EXPECT_FLOAT_EQ(target->HP, 40);
}

TEST_F(RocketTest, HitHealsTheSourcePushesAndEndsTheRocket) {
  const TShipPtr ship = MakeShip(0, 0);
  ship->HP = 10;
  const TShipPtr target = MakeShip(0, -1000, 1000);
  target->armor = 2;
  const TRocketPtr rocket = TRocket::Create(ship, 90, 100, target, 1);
  rocket->searchtimecounter = 0;
  rocket->X = target->X;
  rocket->Y = target->Y;
  rocket->Steering();
  EXPECT_FLOAT_EQ(target->HP, 1000 - 30);  // 60 over armour 2
  EXPECT_FLOAT_EQ(ship->HP, 13);           // 60 / 10 / 2
  EXPECT_NEAR(target->Speed_x, std::sin(rocket->Direction * 3.14159265f / 180) * 50, 1e-3);
  EXPECT_EQ(CountInWorld(ObjectKind::Rocket), 0);
  EXPECT_EQ(ship->Kills, 0);
}

TEST_F(RocketTest, RocketsKillOnlyBelowZeroAndCreditAShipOnce) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(0, -1000, 60);
  // 60 → 0 (not yet a rocket kill) → −60 (the kill) → −120 (still in the world this frame).
  const std::pair<float, int> kAfterEachHit[] = {{0, 0}, {-60, 1}, {-120, 1}};
  for (const auto& [hp, kills] : kAfterEachHit) {
    const TRocketPtr rocket = TRocket::Create(ship, 0, 100, target, 1);
    rocket->searchtimecounter = 0;
    rocket->X = target->X, rocket->Y = target->Y;
    rocket->Steering();
    EXPECT_FLOAT_EQ(target->HP, hp);
    EXPECT_EQ(ship->Kills, kills) << "at " << hp << " HP";
  }
}

TEST_F(RocketTest, HitsOnlyItsOwnTarget) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(0, -1000);
  const TShipPtr bystander = MakeShip(500, 500);
  const TRocketPtr rocket = TRocket::Create(ship, 0, 100, target, 1);
  rocket->searchtimecounter = 0;
  rocket->X = bystander->X, rocket->Y = bystander->Y;
  rocket->Steering();
  EXPECT_FLOAT_EQ(bystander->HP, 100);
  EXPECT_EQ(CountInWorld(ObjectKind::Rocket), 1);
}

TEST_F(RocketTest, SearchPicksTheClosestNonBuddyShip) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr buddy = MakeShip(0, -100);
  const TShipPtr far = MakeShip(0, -900);
  const TShipPtr near = MakeShip(0, -500);
  ship->AddBuddy(buddy);
  const TRocketPtr rocket = TRocket::Create(ship, 0, 100, nullptr, 0);
  FinishSearch(*rocket);
  EXPECT_EQ(rocket->Target, near);
}

TEST_F(RocketTest, StandingPlayerAttractsSearchingRocketsNotItsOwn) {
  const TShipPtr enemy = MakeShip(0, 0);
  const TShipPtr other = MakeShip(0, -300);
  Player = MakeShip(4000, 4000);
  Player->KI = kKIPlayer;
  Player->Speed = 0.4f;
  const TRocketPtr hostile = TRocket::Create(enemy, 0, 100, nullptr, 0);
  FinishSearch(*hostile);
  EXPECT_EQ(hostile->Target, Player);
  const TRocketPtr own = TRocket::Create(Player, 0, 100, nullptr, 0);
  own->X = 0, own->Y = -280;
  FinishSearch(*own);
  EXPECT_EQ(own->Target, other);
  Player->Speed = 0.5f;  // moving players are left to the closest-ship rule
  const TRocketPtr later = TRocket::Create(enemy, 0, 100, nullptr, 0);
  FinishSearch(*later);
  EXPECT_EQ(later->Target, other);
}

TEST_F(RocketTest, LostTargetRestartsTheSearchAfterTwoToThreeSearchTimes) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(0, -3000);
  const TRocketPtr rocket = TRocket::Create(ship, 0, 100, target, 1);
  rocket->searchtimecounter = 0;
  target->Dead = 1;
  rocket->Steering();
  EXPECT_EQ(rocket->Target, nullptr);
  EXPECT_GE(rocket->searchtimecounter, 600);
  EXPECT_LE(rocket->searchtimecounter, 900);
  const float heading = rocket->Direction;
  rocket->Steering();
  EXPECT_EQ(rocket->Direction, heading);  // flies straight while searching
}

TEST_F(RocketTest, TurningLeftPast0GoesNegativeAndStillSteers) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(-1736.5f, -9848.1f);  // bearing 350, far away
  const TRocketPtr rocket = TRocket::Create(ship, 1, 100, target, 3);  // 3.6° a frame
  rocket->searchtimecounter = 0;
  rocket->Steering();
  EXPECT_NEAR(rocket->Direction, -2.6f, 1e-3);
  for (int i = 0; i < 10; ++i) rocket->Steering();
  EXPECT_LT(rocket->Direction, -6.0f);
  EXPECT_GT(rocket->Direction, -14.0f);  // settled within one step of 350, never turning right round
  const float settled = rocket->Direction;
  rocket->Steering();
  EXPECT_NEAR(rocket->Direction, settled, 3.6f + 1e-3);
}

TEST_F(RocketTest, HeavyRocketsLeadAMovingTargetTwice) {
  // The target is 1000 px ahead and flies at speed 100 or 50 along (sin D, cos D), a ship's Direction;
  // k = s / 1000. Pass 1: s = 1000, k = 1: the target moves by its velocity, the rocket's point by (0, 1000).
  //   D 90, 100:  pass 2 s = √(100² + 2000²) − 1000 = 1002.498; aim (200.250, −1000) → heading 11.324.
  //   D 270, 50:  pass 2 s = 1000.625; aim (−100.031, −1000) → heading −5.712.
  //   D atan2(3, 4), 100, velocity (60, 80): pass 1 to (60, −920); pass 2 s = √(60² + 1920²) − 1000
  //   = 920.937; aim (60 + 55.256, −920 + 73.675) → heading atan2(115.256, 846.325) = 7.755.
  // A turn step just short of the lead turns the rocket by the step towards it; one just past, not at all.
  const std::tuple<std::uint8_t, float, float, float> kCases[] = {
      {2, 90, 100, 11.324f}, {3, 270, 50, -5.712f}, {2, ATan2Deg(3, 4), 100, 7.755f}, {3, ATan2Deg(3, 4), 100, 7.755f}};
  for (const auto& [typ, heading, speed, lead] : kCases) {
    const TShipPtr target = MakeShip(0, -1000);
    target->Direction = heading, target->Speed = speed;
    const float step = std::fabs(lead) - 0.01f;
    EXPECT_NEAR(HeadingAfterOneTurn(typ, target, step), std::copysign(step, lead), 1e-4) << int(typ) << " " << heading;
    EXPECT_EQ(HeadingAfterOneTurn(typ, target, step + 0.02f), 0.0f) << int(typ) << " " << heading;
  }
}

TEST_F(RocketTest, TurnsRightTheShortWay) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(10000, 0);  // bearing 90
  const TRocketPtr rocket = TRocket::Create(ship, 350, 100, target, 1);  // 0.9° a frame
  rocket->searchtimecounter = 0;
  rocket->Steering();
  EXPECT_NEAR(rocket->Direction, 350.9f, 1e-3);
}

TEST_F(RocketTest, LifetimeAndShotDownEndTheRocket) {
  const TShipPtr ship = MakeShip(0, 0);
  const TRocketPtr old = TRocket::Create(ship, 0, 100, nullptr, 1);
  old->LiveTime = 10;
  const TRocketPtr hit = TRocket::Create(ship, 0, 100, nullptr, 1);
  hit->DealDamage(15);
  EXPECT_EQ(hit->HP, 0);
  old->Steering();
  EXPECT_EQ(old->HP, 0);
  hit->Steering();
  EXPECT_EQ(CountInWorld(ObjectKind::Rocket), 0);
  EXPECT_TRUE(std::all_of(TRocket::Flying().begin(), TRocket::Flying().end(),
                          [](const TRocket* r) { return r == nullptr; }));
}

TEST_F(RocketTest, EveryRocketOnAShipCountsForItsAlarm) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(0, -3000);
  TRocket::Create(ship, 0, 100, target, 1)->Steering();
  TRocket::Create(ship, 0, 100, target, 2)->Steering();
  EXPECT_EQ(target->Rocketcounter, 2);
}

}  // namespace
}  // namespace tolvex::testing
