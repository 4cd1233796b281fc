#include <gtest/gtest.h>

#include <cmath>

#include "WeaponsWorld.h"
#include "platform/Clock.h"
#include "platform/Input.h"

namespace tolvex::testing {
namespace {

class GunTest : public WeaponsWorld {
 protected:
  // A gun of level ki on a ship at the origin, with its own type.
  TGunPtr Mount(const TShipPtr& ship, std::uint8_t ki, float speed = 1000, int live = 2000, int reload = 100) {
    MakeGunType("G" + std::to_string(++types_), 1, speed, live, reload);
    return TGun::Create(ship, 0, 0, "G" + std::to_string(types_), ki);
  }
  // Reload the gun fully, then run one step.
  static void StepLoaded(TGun& gun) {
    gun.Reloadstatus = 1;
    gun.Process();
  }
  int types_ = 0;
};

TEST_F(GunTest, MountPositionTurnsWithTheShip) {
  const TShipPtr ship = MakeShip(100, 200);
  const TGunPtr gun = Mount(ship, kGunDirect);
  gun->Relative_x = 10;
  gun->Relative_y = 15;
  EXPECT_FLOAT_EQ(gun->GetX(), 90);
  EXPECT_FLOAT_EQ(gun->GetY(), 215);
  ship->Rotation = 90;
  EXPECT_NEAR(gun->GetX(), 85, 1e-4);
  EXPECT_NEAR(gun->GetY(), 190, 1e-4);
}

TEST_F(GunTest, CreateAppendsToTheShipsGunListAndUnknownTypesMountNothing) {
  const TShipPtr ship = MakeShip(0, 0);
  const TGunPtr a = Mount(ship, kGunLead);
  const TGunPtr b = Mount(ship, kGunManual);
  EXPECT_EQ(ship->TGunList.First(), a);
  EXPECT_EQ(ship->TGunList.Last(), b);
  EXPECT_EQ(TGun::Create(ship, 0, 0, "NO-SUCH-GUN", 2), nullptr);
  EXPECT_EQ(ship->TGunList.Count(), 2u);
  EXPECT_EQ(a->Reloadstatus, 0);
  EXPECT_EQ(a->Direction, 0);
}

TEST_F(GunTest, ReloadOf100MsAt10MsFramesFiresEveryTenFrames) {
  const TShipPtr ship = MakeShip(0, 0);
  ship->KI_target = MakeShip(0, -500);
  const TGunPtr gun = Mount(ship, kGunDirect, 1000, 2000, 100);
  std::vector<int> firedAt;
  for (int frame = 1; frame <= 30; ++frame) {
    const int before = CountInWorld(ObjectKind::Shot);
    gun->Process();
    if (CountInWorld(ObjectKind::Shot) > before) firedAt.push_back(frame);
  }
  EXPECT_EQ(firedAt, (std::vector<int>{10, 20, 30}));
}

TEST_F(GunTest, WithoutTargetTurretsKeepTheirAngleAndHoldFire) {
  const TShipPtr ship = MakeShip(0, 0);
  MakeShip(0, -300);
  for (std::uint8_t level = 1; level <= 5; ++level) {
    const TGunPtr gun = Mount(ship, level);
    gun->Direction = 33;
    StepLoaded(*gun);
    EXPECT_EQ(gun->Direction, 33) << int(level);
  }
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 0);
}

TEST_F(GunTest, ManualGunFollowsTheMouseAndFiresOnlyThroughShoot) {
  const TShipPtr ship = MakeShip(0, 0);
  ship->KI_target = MakeShip(0, -300);
  const TGunPtr gun = Mount(ship, kGunManual);
  CameraX = -640;
  CameraY = -360;
  FeedMouseMove(740, 360);
  StepLoaded(*gun);
  EXPECT_NEAR(gun->Direction, 90, 1e-4);
  EXPECT_NEAR(gun->KI_Human(), 100, 1e-3);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 0);
  gun->Shoot();
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
  EXPECT_EQ(gun->Reloadstatus, 0);
  const TGunPtr automatic = Mount(ship, kGunLead);
  automatic->Reloadstatus = 1;
  automatic->Shoot();
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
  ResetInput();
}

TEST_F(GunTest, DirectAimIsMeasuredFromTheShipsCentre) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(300, 400);
  const TGunPtr gun = Mount(ship, kGunDirect);
  gun->Relative_x = 50;
  EXPECT_FLOAT_EQ(gun->KI_Aim1(*target), 500);
  EXPECT_NEAR(gun->Direction, ATan2Deg(300, -400), 1e-4);
}

TEST_F(GunTest, VelocityLeadUsesRelativeVelocityTwice) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(0, -1000);
  target->Speed_x = 3;
  ship->Speed_x = 1;
  const TGunPtr gun = Mount(ship, kGunLead, 1000);
  // τ = 1 s: offset (2, −1000); then a second lead of 2 × τ2.
  const float d = gun->KI_Aim2Ship(*target);
  EXPECT_NEAR(d, std::sqrt(4.0f + 1000.0f * 1000.0f), 1e-3);
  EXPECT_NEAR(gun->Direction, ATan2Deg(2 + 2 * d / 1000, 1000), 1e-4);
}

TEST_F(GunTest, HeadingLeadReturnsTheDistanceFromTheMount) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr target = MakeShip(400, 0);
  const TGunPtr gun = Mount(ship, kGunHeadingLead, 700);
  gun->Relative_y = -100;  // the mount sits 100 px above the centre
  EXPECT_NEAR(gun->KI_Aim3(*target), std::sqrt(400.0f * 400 + 100 * 100), 1e-3);
  // Nothing moves, so the aim is straight from the mount, down and to the right.
  EXPECT_NEAR(gun->Direction, ATan2Deg(400, -100), 1e-4);
}

TEST_F(GunTest, RocketLeadAimsWhereTheRocketWillBe) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr enemy = MakeShip(0, -2000);
  const TRocketPtr rocket = TRocket::Create(enemy, 90, 500, nullptr, 1);  // flying right at 500 px/s
  rocket->X = 0, rocket->Y = -1000;
  const TGunPtr gun = Mount(ship, kGunAntiRocket, 1000);
  // 1 s of flight: the rocket will be 500 px further right.
  EXPECT_NEAR(gun->KI_AimRocket2(*rocket), std::sqrt(500.0f * 500 + 1000.0f * 1000), 1e-2);
  EXPECT_NEAR(gun->Direction, ATan2Deg(500, 1000), 1e-3);
  EXPECT_NEAR(gun->KI_AimRocket(*rocket), 1000, 1e-3);
  EXPECT_NEAR(gun->Direction, 0, 0.5f + 1e-4);
}

TEST_F(GunTest, LevelFiveLeadsByHeadingsAndFiresInRange) {
  // Headings as the flight step stores them (velocity along (sin, cos)): the target 500 px up
  // moves (3, 4), the shooter (−4, 3), both speed 5; shots fly 700 px/s, so k = s / 700 × 70.
  // Pass 1: s = 500, k = 50: target (150, −300), mount (−200, 150).
  // Pass 2: s = √(350² + 450²) − 500 = 70.088, k = 7.0088: target (171.026, −271.965),
  // mount (−228.035, 171.026). Aim: atan2(399.061, 442.991) = 42.014°.
  const TShipPtr ship = MakeShip(0, 0);
  ship->Speed = 5, ship->Direction = ATan2Deg(-4, 3);
  const TShipPtr target = MakeShip(0, -500);
  target->Speed = 5, target->Direction = ATan2Deg(3, 4);
  ship->KI_target = target;
  const TGunPtr gun = Mount(ship, kGunHeadingLead, 700, 1000);  // range 800
  StepLoaded(*gun);
  EXPECT_NEAR(gun->Direction, 42.014f, 1e-3);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
  target->Y = -900;
  StepLoaded(*gun);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
}

TEST_F(GunTest, LevelThreeTurnsToTheClosestShipWhenTheTargetIsOutOfRange) {
  const TShipPtr ship = MakeShip(0, 0);
  ship->KI_target = MakeShip(0, -3000);
  MakeShip(500, 0);
  const TGunPtr gun = Mount(ship, kGunLeadOrNear, 1000, 2000);  // range 2100
  StepLoaded(*gun);
  EXPECT_NEAR(gun->Direction, 90, 1e-4);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
}

TEST_F(GunTest, LevelFourStaysOnAHostileRocketAnywhere) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr enemy = MakeShip(0, -500);
  ship->KI_target = enemy;
  const TRocketPtr rocket = TRocket::Create(enemy, 0, 100, nullptr, 1);
  rocket->X = 10000;
  rocket->Y = 0;
  const TGunPtr gun = Mount(ship, kGunAntiRocket);
  StepLoaded(*gun);
  EXPECT_NEAR(gun->Direction, 90, 0.5f + 1e-4);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 0);  // out of range, and the ship is ignored
  rocket->X = 1000;
  StepLoaded(*gun);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
}

TEST_F(GunTest, LevelFourIgnoresItsOwnAndBuddyRockets) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr buddy = MakeShip(0, 300);
  ship->AddBuddy(buddy);
  ship->KI_target = MakeShip(0, -500);
  TRocket::Create(ship, 0, 100, nullptr, 1);
  TRocket::Create(buddy, 0, 100, nullptr, 1);
  const TGunPtr gun = Mount(ship, kGunAntiRocket);
  StepLoaded(*gun);
  EXPECT_NEAR(gun->Direction, 0, 1e-3);  // at the target ship
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
}

TEST_F(GunTest, LevelFourFiresAtItsTargetInsideAFixed1000Px) {
  const TShipPtr ship = MakeShip(0, 0);
  ship->KI_target = MakeShip(0, -900);
  const TGunPtr gun = Mount(ship, kGunAntiRocket, 1800, 250);  // range 550
  StepLoaded(*gun);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
}

TEST_F(GunTest, LevelFourFallBackNeedsMoreThan50Px) {
  const TShipPtr ship = MakeShip(0, 0);
  ship->KI_target = MakeShip(0, -1500);
  const TShipPtr near = MakeShip(50, 0);
  const TGunPtr gun = Mount(ship, kGunAntiRocket, 1800, 250);  // range 550
  StepLoaded(*gun);
  EXPECT_NEAR(gun->Direction, 90, 1e-4);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 0);
  near->X = 51;
  StepLoaded(*gun);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
  near->X = 550;
  StepLoaded(*gun);
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 1);
}

TEST_F(GunTest, EqualDistancesKeepTheEarlierShip) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr older = MakeShip(100, 0);
  const TShipPtr newer = MakeShip(-100, 0);
  const TGunPtr gun = Mount(ship, kGunLeadOrNear);
  // Ships enter at the front of the world list, so the newer one comes first.
  EXPECT_EQ(gun->KI_GetClosestTarget(), newer.get());
  older->X = 99;
  EXPECT_EQ(gun->KI_GetClosestTarget(), older.get());
}

TEST_F(GunTest, ClosestTargetSkipsTheShipItselfAndBuddies) {
  const TShipPtr ship = MakeShip(0, 0);
  const TShipPtr buddy = MakeShip(10, 0);
  const TShipPtr enemy = MakeShip(900, 0);
  ship->AddBuddy(buddy);
  const TGunPtr gun = Mount(ship, kGunLeadOrNear);
  EXPECT_EQ(gun->KI_GetClosestTarget(), enemy.get());
}

TEST_F(GunTest, GunOfADeadShipRemovesItself) {
  const TShipPtr ship = MakeShip(0, 0);
  const TGunPtr gun = Mount(ship, kGunLead);
  ship->Dead = 1;
  gun->Process();
  EXPECT_TRUE(ship->TGunList.Empty());
  EXPECT_EQ(gun->Link, nullptr);
  EXPECT_TRUE(gun->Ship.expired());
}

TEST_F(GunTest, FiringStartsAShotAtTheMountAlongTheTurret) {
  const TShipPtr ship = MakeShip(100, 100);
  const TGunPtr gun = Mount(ship, kGunManual);
  gun->Relative_y = 15;
  gun->Direction = 45;
  gun->Reloadstatus = 0.99f;
  gun->Fire();
  EXPECT_EQ(CountInWorld(ObjectKind::Shot), 0);
  gun->Reloadstatus = 1;
  gun->Fire();
  const auto shot = std::static_pointer_cast<TShot>(TUniverse::WorldList().Last());
  ASSERT_EQ(shot->Kind(), ObjectKind::Shot);
  EXPECT_FLOAT_EQ(shot->X, 100);
  EXPECT_FLOAT_EQ(shot->Y, 115);
  EXPECT_FLOAT_EQ(shot->Direction, 45);
  EXPECT_EQ(shot->Source, gun);
  EXPECT_EQ(gun->Reloadstatus, 0);
}

}  // namespace
}  // namespace tolvex::testing
