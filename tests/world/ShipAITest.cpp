// How AI ships fly: enemies chasing and leaving, the wingman hunting, rocket decisions, arrivals.
#include <cmath>

#include "ShipWorldFixture.h"
#include "WorldCleanup.h"
#include "content/TShipInfo.h"
#include "core/Helpers.h"
#include "platform/Clock.h"
#include "world/Spawning.h"

namespace tolvex {
namespace {

class ShipAI : public ShipWorldTest {
 protected:
  void TearDown() override {
    ForgetShipReferences();
    ShipWorldTest::TearDown();
    TShipInfo::Reset();
  }

  // A player moving fast enough not to draw every enemy by standing still.
  static TShipPtr MovingPlayer(float x, float y) {
    TShipPtr player = MakePlayer(x, y);
    player->Speed_x = 5;
    player->UpdateSpeed();
    return player;
  }

  static int RocketsInWorld() {
    int count = 0;
    for (const auto& object : TUniverse::WorldList()) count += object->Kind() == ObjectKind::Rocket;
    return count;
  }

  // A bare ship type without guns or image, registered under id.
  static void RegisterType(const char* id, const char* faction) {
    const TShipInfoPtr info = TShipInfo::Create();
    info->setIdandName(id, id, faction);
    info->SetMass(50);
    info->SetEngine(15, 16);
    info->SetRockets(3, 2, 1, 0);
    info->AddReward("points,10");
  }

};

TEST_F(ShipAI, BeyondFiveThousandAnEnemySnapsToItsTargetAndThrusts) {
  MovingPlayer(0, 0);
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, -6000, 0);
  enemy->Rotation = 200;
  enemy->KI_NextRocketFire = FrameClock + 100000;
  enemy->Steering();
  EXPECT_EQ(enemy->KI_target, Player);
  EXPECT_NEAR(enemy->Rotation, 90, 1e-3);
  EXPECT_GT(enemy->Speed_x, 0) << "full thrust towards the player";
}

TEST_F(ShipAI, WithinFiveThousandAnEnemyTurnsByTheTurningLaw) {
  MovingPlayer(0, 0);
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, -4000, 0);
  enemy->Rotation = 200;
  enemy->KI_NextRocketFire = FrameClock + 100000;
  enemy->Steering();
  // Mass 50: k = 0.1, pull 0.1 × 100 / FrameRate 100 = 0.1. From 200 towards 90:
  // atan2(0.9 sin 200 + 0.1, 0.9 cos 200) = atan2(−0.20782, −0.84572) = −166.194°.
  EXPECT_NEAR(std::fmod(enemy->Rotation + 360, 360.0f), 360 - 166.194f, 1e-3);
  EXPECT_GT(std::fabs(enemy->Rotation - 90), 1.0f) << "one frame does not complete the turn";
}

TEST_F(ShipAI, WithinTopSpeedOfItsTargetAnEnemyDriftsWithoutThrust) {
  TShipPtr player = MovingPlayer(0, 0);
  player->Speed_x = 0, player->Speed_y = 0;
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 0, 16);  // exactly Enginespeed away
  enemy->KI_target = player;
  enemy->KI_NextRocketFire = FrameClock + 100000;
  enemy->Speed_x = 4;
  enemy->UpdateSpeed();
  const float drag = 10 * enemy->Enginepower / enemy->Mass / FrameRate;
  enemy->Steering();
  EXPECT_NEAR(enemy->Speed, 4 - drag, 1e-4) << "only drag acts";
  EXPECT_NEAR(enemy->Rotation, 0, 1e-3) << "it already faces its target";
}

TEST_F(ShipAI, WithinTenPixelsAnEnemyNeitherTurnsNorThrusts) {
  TShipPtr player = MovingPlayer(0, 0);
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 6, 0);
  enemy->KI_target = player;
  enemy->KI_NextRocketFire = FrameClock + 100000;
  enemy->Rotation = 33;
  enemy->Steering();
  EXPECT_FLOAT_EQ(enemy->Rotation, 33);
  EXPECT_FLOAT_EQ(enemy->Speed, 0);
}

TEST_F(ShipAI, LeavingShipsBeyondRadarRangeVanishWithoutPaying) {
  TShipPtr player = MovingPlayer(0, 0);
  TShipPtr far = MakeShip(50, 15, 16, kKIEnemy, 5001, 0);
  TShipPtr near = MakeShip(50, 15, 16, kKIEnemy, 4000, 0);
  far->AddReward("points,100");
  near->AddReward("points,100");
  Universe->AllEnemyEscape();
  ASSERT_TRUE(far->KI_Leave);
  Tick(10);
  EXPECT_TRUE(far->Dead);
  EXPECT_FALSE(InWorld(far));
  EXPECT_TRUE(far->Reward_List.empty());
  EXPECT_FALSE(near->Dead);
  EXPECT_FLOAT_EQ(player->Points, 0);
  EXPECT_EQ(player->Kills, 0);
}

TEST_F(ShipAI, LeavingShipsTurnAwayAndFlyOutOfRangeFiringNoRockets) {
  TShipPtr player = MovingPlayer(0, 0);
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 3000, 0);
  enemy->Rockets = {5, 5, 5, 5};
  enemy->Rotation = 250;  // roughly facing the player
  enemy->Escape();
  const int plannedRocket = enemy->KI_NextRocketFire;
  int frames = 0;
  while (!enemy->Dead && frames < 2000) {
    enemy->Steering();
    FrameClock += 10;
    ++frames;
  }
  EXPECT_TRUE(enemy->Dead) << "it left within " << frames << " frames";
  EXPECT_GT(Distance(enemy->X, enemy->Y, 0, 0), 5000);
  EXPECT_GT(enemy->X, 3000) << "away from the player";
  EXPECT_EQ(enemy->KI_NextRocketFire, plannedRocket);
  EXPECT_EQ(RocketsInWorld(), 0);
}

TEST_F(ShipAI, BuddyNeverTargetsThePlayerAndTurnsWithoutSnapping) {
  TShipPtr player = MovingPlayer(0, 0);
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, -8000, 0);
  buddy->AddBuddy(player);
  buddy->Rotation = 90;
  for (int i = 0; i < 50; ++i) Tick(10);
  EXPECT_EQ(buddy->KI_target, nullptr);
  EXPECT_FLOAT_EQ(buddy->Speed, 0) << "without target it stays put";
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, -8000, -7000);
  enemy->KI_NextRocketFire = FrameClock + 100000;
  buddy->KI_NextRocketFire = FrameClock + 100000;
  buddy->Steering();
  EXPECT_EQ(buddy->KI_target, enemy);
  // No snap even 7000 px away: from 90 towards 0, atan2(0.9 sin 90, 0.1 cos 0) = 83.660°.
  EXPECT_NEAR(buddy->Rotation, 83.660f, 1e-3);
  EXPECT_GT(buddy->Rotation, 1.0f);
  EXPECT_LT(buddy->Speed_y, 0);
}

TEST_F(ShipAI, RocketDecisionsComeOnTheirRandomSchedule) {
  TShipPtr player = MovingPlayer(0, 0);
  player->Mass = 30;
  player->HP = 20;  // small and weak: type 3 inside 3000 px
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 0, 2000);
  enemy->KI_target = player;
  enemy->Rockets = {0, 0, 0, 5};
  enemy->KI_NextRocketFire = FrameClock;  // not yet: the clock must have passed it
  enemy->KI_RocketFireRoutine();
  EXPECT_EQ(enemy->Rockets[3], 5);
  FrameClock += 1;
  enemy->KI_RocketFireRoutine();
  EXPECT_EQ(enemy->SelectedRockets, 3);
  EXPECT_GE(enemy->KI_NextRocketFire, FrameClock + 2000);
  EXPECT_LE(enemy->KI_NextRocketFire, FrameClock + 15000);
}

TEST_F(ShipAI, WithFiveRocketsTheAiLaunchesThirtyOneTimesInThirtySix) {
  SeedRandom(7);
  TShipPtr player = MovingPlayer(0, 0);
  player->Mass = 30;
  player->HP = 20;
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 0, 2000);
  enemy->KI_target = player;
  constexpr int kTrials = 3000;
  int launches = 0;
  for (int i = 0; i < kTrials; ++i) {
    enemy->Rockets = {0, 0, 0, 5};
    enemy->KI_NextRocketFire = 0;
    enemy->KI_RocketFireRoutine();
    launches += enemy->Rockets[3] == 4;
  }
  EXPECT_NEAR(static_cast<double>(launches) / kTrials, 31.0 / 36.0, 0.03);
  EXPECT_EQ(RocketsInWorld(), launches);
}

TEST_F(ShipAI, WithoutAdviceTheAiKeepsItsRocketsButPlansTheNextDecision) {
  TShipPtr player = MovingPlayer(0, 0);
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 0, 20000);  // far beyond every launch range
  enemy->KI_target = player;
  enemy->Rockets = {5, 5, 0, 5};
  for (int i = 0; i < 20; ++i) {
    enemy->KI_NextRocketFire = 0;
    enemy->KI_RocketFireRoutine();
  }
  EXPECT_EQ(enemy->Rockets[0] + enemy->Rockets[1] + enemy->Rockets[3], 15);
  EXPECT_GT(enemy->KI_NextRocketFire, FrameClock);
}

TEST_F(ShipAI, EnemiesArriveSixThousandPixelsFromTheCameraCorner) {
  RegisterType("j_bat", "NASA");
  CameraX = 300, CameraY = -200;
  for (int i = 0; i < 5; ++i) {
    const TShipPtr ship = SpawnEnemy("j_bat");
    ASSERT_NE(ship, nullptr);
    EXPECT_EQ(ship->KI, kKIEnemy);
    EXPECT_NEAR(Distance(ship->X, ship->Y, 300, -200), 6000, 0.05);
    EXPECT_TRUE(InWorld(ship));
  }
  const std::size_t before = TUniverse::WorldList().Count();
  EXPECT_EQ(SpawnEnemy("js_guantarque"), nullptr);
  EXPECT_EQ(TUniverse::WorldList().Count(), before);
}

TEST_F(ShipAI, TheWingmanComesOnceSixThousandPixelsFromThePlayer) {
  RegisterType("bj_tigerx", "Player");
  TShipPtr player = MovingPlayer(1000, 500);
  SpawnBuddy();
  ASSERT_EQ(player->BuddyList.Count(), 1u);
  const TShipPtr buddy = *player->BuddyList.begin();
  EXPECT_EQ(buddy->id, "bj_tigerx");
  EXPECT_EQ(buddy->KI, kKIBuddy);
  EXPECT_TRUE(buddy->IsBuddy(player.get()));
  EXPECT_NEAR(Distance(buddy->X, buddy->Y, 1000, 500), 6000, 0.05);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Here comes Buddy!"});
  EXPECT_EQ(MessageColor("Here comes Buddy!"), 0x0060F0);
  RunRewardCommand("buddy");
  EXPECT_EQ(player->BuddyList.Count(), 1u) << "one wingman at a time";
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ShipAI, ANewWingmanMayComeAfterTheFirstDied) {
  RegisterType("bj_tigerx", "Player");
  TShipPtr player = MovingPlayer(0, 0);
  RunRewardCommand("buddy");
  const TShipPtr first = *player->BuddyList.begin();
  first->HP = -1;
  Tick(10);
  ASSERT_TRUE(first->Dead);
  EXPECT_TRUE(player->BuddyList.Empty());
  RunRewardCommand("buddy");
  ASSERT_EQ(player->BuddyList.Count(), 1u);
  EXPECT_NE(*player->BuddyList.begin(), first);
}

}  // namespace
}  // namespace tolvex
