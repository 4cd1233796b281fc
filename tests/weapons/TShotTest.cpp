#include <gtest/gtest.h>

#include "WeaponsWorld.h"

namespace tolvex::testing {
namespace {

class ShotTest : public WeaponsWorld {
 protected:
  void SetUp() override {
    WeaponsWorld::SetUp();
    MakeGunType("DL-T", 5, 1000, 2000, 100);
    firer_ = MakeShip(0, 0);
    gun_ = TGun::Create(firer_, 0, 0, "DL-T", kGunManual);
  }
  // A shot from the gun, placed at (x, y) flying up.
  TShotPtr ShotAt(float x, float y) {
    const TShotPtr shot = TShot::Create(gun_);
    shot->X = x;
    shot->Y = y;
    return shot;
  }
  // A rocket of another ship, parked at (x, y) and still searching.
  TRocketPtr EnemyRocketAt(const TShipPtr& owner, float x, float y) {
    const TRocketPtr rocket = TRocket::Create(owner, 0, 0, nullptr, 3);
    rocket->X = x;
    rocket->Y = y;
    return rocket;
  }
  TShipPtr firer_;
  TGunPtr gun_;
};

TEST_F(ShotTest, ShotKeepsTheDriftOfTheFiringShip) {
  firer_->Speed_x = 2;  // px per 1/70 s
  const TShotPtr shot = TShot::Create(gun_);
  shot->Steering();
  // 10 ms: 140 px/s of drift to the right, 1000 px/s of its own upwards.
  EXPECT_NEAR(shot->X, 1.4f, 1e-4);
  EXPECT_NEAR(shot->Y, -10, 1e-4);
  firer_->Speed_x = 0;  // the drift was taken at firing
  shot->Steering();
  EXPECT_NEAR(shot->X, 2.8f, 1e-4);
}

TEST_F(ShotTest, ShotLeavesWhenItsLifetimeFallsBelowZero) {
  const TShotPtr shot = ShotAt(0, 5000);
  shot->LiveTime = 100;
  for (int i = 0; i < 10; ++i) shot->Steering();
  EXPECT_EQ(shot->LiveTime, 0);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
  shot->Steering();
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 0);
}

TEST_F(ShotTest, HitDamagesHealsAndPushes) {
  const TShipPtr target = MakeShip(0, -200);
  firer_->HP = 50;
  const TShotPtr shot = ShotAt(0, -170);
  shot->Steering();
  EXPECT_FLOAT_EQ(target->HP, 95);
  EXPECT_FLOAT_EQ(firer_->HP, 50.5f);  // a tenth of the damage over the victim's armour
  EXPECT_EQ(shot->LiveTime, -1);
  EXPECT_FLOAT_EQ(target->Speed_y, -5);  // damage / mass × 10 along the shot
  EXPECT_NEAR(target->Speed_x, 0, 1e-6);
  EXPECT_EQ(firer_->Kills, 0);
  shot->Steering();  // removed in its next step
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 0);
}

TEST_F(ShotTest, ArmourReducesTheHeal) {
  const TShipPtr target = MakeShip(0, -200);
  target->armor = 2;
  firer_->HP = 50;
  ShotAt(0, -170)->Steering();
  EXPECT_FLOAT_EQ(firer_->HP, 50.25f);
  EXPECT_FLOAT_EQ(target->HP, 97.5f);
}

TEST_F(ShotTest, ShotKillsAtExactlyZero) {
  const TShipPtr target = MakeShip(0, -200, 5);
  ShotAt(0, -170)->Steering();
  EXPECT_FLOAT_EQ(target->HP, 0);
  EXPECT_EQ(firer_->Kills, 1);
}

TEST_F(ShotTest, ShipWithNegativeHitPointsIsNotHitButZeroIs) {
  const TShipPtr target = MakeShip(0, -200, -0.5f);
  const TShotPtr shot = ShotAt(0, -170);
  shot->Steering();
  EXPECT_FLOAT_EQ(target->HP, -0.5f);
  EXPECT_EQ(shot->LiveTime, 2000 - 10);
  target->HP = 0;
  shot->Steering();
  EXPECT_FLOAT_EQ(target->HP, -5);
}

TEST_F(ShotTest, PlayersKillPaysTheVictimsRewards) {
  firer_->KI = kKIPlayer;
  Player = firer_;
  const TShipPtr target = MakeShip(0, -200, 5);
  target->AddReward("points,100");
  ShotAt(0, -170)->Steering();
  EXPECT_FLOAT_EQ(Player->Points, 100);
}

TEST_F(ShotTest, AnEnemysKillPaysNoRewards) {
  Player = MakeShip(5000, 5000);
  Player->KI = kKIPlayer;
  const TShipPtr target = MakeShip(0, -200, 5);
  target->AddReward("points,100");
  ShotAt(0, -170)->Steering();
  EXPECT_EQ(firer_->Kills, 1);
  EXPECT_FLOAT_EQ(Player->Points, 0);
}

TEST_F(ShotTest, ShotsMissTheirOwnShipAndBuddies) {
  const TShipPtr buddy = MakeShip(0, -200);
  firer_->AddBuddy(buddy);
  const TShotPtr shot = ShotAt(0, 10);  // over its own hull
  shot->Steering();
  shot->X = 0, shot->Y = -170;
  shot->Steering();
  EXPECT_FLOAT_EQ(firer_->HP, 100);
  EXPECT_FLOAT_EQ(buddy->HP, 100);
}

TEST_F(ShotTest, ShotAlongsideAShipDoesNotHitIt) {
  const TShipPtr target = MakeShip(0, -200);
  ShotAt(25, -170)->Steering();  // inside the guard radius, but no pixel touches
  EXPECT_FLOAT_EQ(target->HP, 100);
}

TEST_F(ShotTest, ShotThatHitsAShipStillDamagesARocketThatFrame) {
  const TShipPtr enemy = MakeShip(3000, 3000);
  const TShipPtr target = MakeShip(0, -200);
  const TRocketPtr rocket = EnemyRocketAt(enemy, 0, -178);
  ShotAt(0, -170)->Steering();
  EXPECT_FLOAT_EQ(target->HP, 95);
  EXPECT_FLOAT_EQ(rocket->HP, 45);
}

TEST_F(ShotTest, ShotPassesThroughTheRocketsItDamages) {
  const TShipPtr enemy = MakeShip(3000, 3000);
  const TRocketPtr rocket = EnemyRocketAt(enemy, 0, -188);
  const TShotPtr shot = ShotAt(0, -170);
  shot->Steering();
  EXPECT_FLOAT_EQ(rocket->HP, 45);
  EXPECT_EQ(shot->LiveTime, 1990);
  shot->Steering();  // still touching: damages again
  EXPECT_FLOAT_EQ(rocket->HP, 40);
}

TEST_F(ShotTest, OwnAndBuddyRocketsAreNotShot) {
  const TShipPtr buddy = MakeShip(3000, 3000);
  firer_->AddBuddy(buddy);
  const TRocketPtr own = EnemyRocketAt(firer_, 0, -178);
  const TRocketPtr buddys = EnemyRocketAt(buddy, 0, -178);
  ShotAt(0, -170)->Steering();
  EXPECT_FLOAT_EQ(own->HP, 50);
  EXPECT_FLOAT_EQ(buddys->HP, 50);
}

TEST_F(ShotTest, ShotOfARemovedGunFliesOnHarmlessly) {
  const TShipPtr target = MakeShip(0, -200);
  const TShotPtr shot = ShotAt(0, -170);
  gun_->Remove();
  shot->Steering();
  EXPECT_FLOAT_EQ(target->HP, 100);
  EXPECT_FLOAT_EQ(shot->Y, -180);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
}

TEST_F(ShotTest, DoubleDamageDoublesTheShot) {
  firer_->BONUS_Doubledamage = 1000;
  const TShotPtr shot = TShot::Create(gun_);
  EXPECT_FLOAT_EQ(shot->Damage, 10);
  EXPECT_TRUE(shot->doubleDamage);
  firer_->BONUS_Doubledamage = -4;  // a bonus running out this frame still counts
  EXPECT_TRUE(TShot::Create(gun_)->doubleDamage);
}

}  // namespace
}  // namespace tolvex::testing
