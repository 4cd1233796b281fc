// Target keeping and the three search rules, and the rocket-type selector.
#include "ShipWorldFixture.h"

namespace tolvex {
namespace {

using ShipTargets = ShipWorldTest;

// A player flying fast enough not to draw every enemy.
TShipPtr MovingPlayer(float x, float y) {
  TShipPtr player = ShipWorldTest::MakePlayer(x, y);
  player->Speed_x = 5;
  player->UpdateSpeed();
  return player;
}

TEST_F(ShipTargets, EnemiesPreferThePlayerUntilTwoHuntIt) {
  TShipPtr player = MovingPlayer(0, 0);
  TShipPtr hunter1 = MakeShip(50, 15, 16, kKIEnemy, -3000, 0);
  TShipPtr hunter2 = MakeShip(50, 15, 16, kKIEnemy, -3100, 0);
  TShipPtr third = MakeShip(50, 15, 16, kKIEnemy, 1000, 0);
  TShipPtr neighbour = MakeShip(50, 15, 16, kKIEnemy, 1100, 0);
  hunter1->Steering();
  hunter2->Steering();
  EXPECT_EQ(hunter1->KI_target, player);
  EXPECT_EQ(hunter2->KI_target, player);
  third->Steering();
  EXPECT_EQ(third->KI_target, neighbour) << "two hunters already: the nearest ship wins";
  hunter1->KI_target.reset();
  hunter1->KI_LastTargetSearch = 0;
  neighbour->Steering();
  EXPECT_EQ(neighbour->KI_target, player) << "only one hunter left";
}

TEST_F(ShipTargets, AStandingPlayerDrawsEveryEnemy) {
  TShipPtr player = MakePlayer(0, 0);
  std::vector<TShipPtr> enemies;
  for (int i = 0; i < 4; ++i) enemies.push_back(MakeShip(50, 15, 16, kKIEnemy, 5000.0f + 10 * i, 0));
  for (const auto& enemy : enemies) enemy->Steering();
  for (const auto& enemy : enemies) EXPECT_EQ(enemy->KI_target, player);
}

TEST_F(ShipTargets, EnemiesRethinkAfterFiveSecondsThePlayerKeepsItsTarget) {
  TShipPtr player = MovingPlayer(0, 0);
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 500, 0);
  TShipPtr other = MakeShip(50, 15, 16, kKIEnemy, 400, 0);
  enemy->KI_target = other;
  player->KI_target = other;
  enemy->KI_LastTargetSearch = 4995;
  player->KI_LastTargetSearch = 4995;
  SetFrame(10);
  enemy->Steering();
  player->Steering();
  EXPECT_EQ(enemy->KI_target, player) << "dropped after 5 s and chose again";
  EXPECT_EQ(enemy->KI_LastTargetSearch, 0);
  EXPECT_EQ(player->KI_target, other);
  EXPECT_EQ(player->KI_LastTargetSearch, 5005);
}

TEST_F(ShipTargets, ADeadTargetIsDroppedAndReplaced) {
  TShipPtr player = MakePlayer(0, 0);
  TShipPtr near = MakeShip(50, 15, 16, kKIEnemy, 100, 0);
  TShipPtr far = MakeShip(50, 15, 16, kKIEnemy, 900, 0);
  player->Steering();
  EXPECT_EQ(player->KI_target, near);
  near->Remove();
  player->Steering();
  EXPECT_EQ(player->KI_target, far);
}

TEST_F(ShipTargets, PlayerPicksTheNearestShipButNeverItsBuddy) {
  TShipPtr player = MakePlayer(0, 0);
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 10, 0);
  player->AddBuddy(buddy);
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 700, 0);
  player->Steering();
  EXPECT_EQ(player->KI_target, enemy);
}

TEST_F(ShipTargets, EqualDistancesKeepTheEarlierShipOfTheList) {
  TShipPtr player = MakePlayer(0, 0);
  MakeShip(50, 15, 16, kKIEnemy, 300, 0);  // the older ship
  TShipPtr newer = MakeShip(50, 15, 16, kKIEnemy, -300, 0);  // newest first in the list
  player->Steering();
  EXPECT_EQ(player->KI_target, newer);
}

TEST_F(ShipTargets, BuddyHuntsThePlayersAttackersNearestToThePlayerFirst) {
  TShipPtr player = MovingPlayer(0, 0);
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 2000, 0);
  player->AddBuddy(buddy);
  MakeShip(50, 15, 16, kKIEnemy, 2100, 0);  // idle, nearer to the buddy
  TShipPtr farAttacker = MakeShip(50, 15, 16, kKIEnemy, 1500, 0);
  TShipPtr nearAttacker = MakeShip(50, 15, 16, kKIEnemy, -600, 0);
  farAttacker->KI_target = player;
  nearAttacker->KI_target = player;
  buddy->Steering();
  EXPECT_EQ(buddy->KI_target, nearAttacker);
}

TEST_F(ShipTargets, BuddyWithoutAttackersTakesTheNearestAiShipNeverThePlayer) {
  TShipPtr player = MovingPlayer(1990, 0);
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 2000, 0);
  player->AddBuddy(buddy);
  TShipPtr near = MakeShip(50, 15, 16, kKIEnemy, 2500, 0);
  TShipPtr far = MakeShip(50, 15, 16, kKIEnemy, 4000, 0);
  buddy->Steering();
  EXPECT_EQ(buddy->KI_target, near);
  near->Remove();
  far->Remove();
  buddy->KI_target.reset();
  buddy->Steering();
  EXPECT_EQ(buddy->KI_target, nullptr);
}

// Selector cases: a shooter with a chosen stock against one target.
class RocketSelector : public ShipWorldTest {
 protected:
  TShipPtr Target(float mass, float toughness, float distance) {
    TShipPtr target = MakeShip(mass, 15, 16, kKIEnemy, distance, 0);
    target->HP = toughness;
    target->armor = 1;
    shooter->KI_target = target;
    return target;
  }
  void SetUp() override {
    ShipWorldTest::SetUp();
    shooter = MakeShip(50, 15, 16, kKIEnemy, 0, 0);
  }
  TShipPtr shooter;
};

TEST_F(RocketSelector, WithoutTargetNothingChanges) {
  shooter->SelectedRockets = 2;
  shooter->RocketAutoSelectHudtext = "old";
  EXPECT_FALSE(shooter->RocketAutoSelector());
  EXPECT_EQ(shooter->SelectedRockets, 2);
  EXPECT_EQ(shooter->RocketAutoSelectHudtext, "");
}

TEST_F(RocketSelector, SmallWeakTargetNearGetsTypeThree) {
  shooter->Rockets = {5, 5, 5, 1};
  Target(40, 20, 2000);
  EXPECT_TRUE(shooter->RocketAutoSelector());
  EXPECT_EQ(shooter->SelectedRockets, 3);
  EXPECT_EQ(shooter->RocketAutoSelectHudtext, "Small Ship Fire:OK");
}

TEST_F(RocketSelector, BigToughTargetGetsTypeTwoAndFiresOnlyFarAway) {
  shooter->Rockets = {0, 0, 3, 0};
  TShipPtr target = Target(300, 500, 10000);
  EXPECT_TRUE(shooter->RocketAutoSelector());
  EXPECT_EQ(shooter->SelectedRockets, 2);
  EXPECT_EQ(shooter->RocketAutoSelectHudtext, "Big Ship Fire:OK");
  target->X = 2000;
  EXPECT_FALSE(shooter->RocketAutoSelector());
  EXPECT_EQ(shooter->SelectedRockets, 2);
  EXPECT_EQ(shooter->RocketAutoSelectHudtext, "Big Ship");
}

TEST_F(RocketSelector, MediumTargetTriesTypeOneFirst) {
  shooter->Rockets = {5, 5, 5, 5};
  Target(100, 100, 1000);  // toughness 100: rule c (t > 30), 300 < 1000 < 5000
  EXPECT_TRUE(shooter->RocketAutoSelector());
  EXPECT_EQ(shooter->SelectedRockets, 1);
  EXPECT_EQ(shooter->RocketAutoSelectHudtext, "Medium Ship Fire:OK");
}

TEST_F(RocketSelector, SmallTargetUsesTheStricterToughnessBounds) {
  shooter->Rockets = {0, 5, 5, 0};
  Target(50, 50, 1000);  // small: c needs t > 60, d needs t > 125
  EXPECT_FALSE(shooter->RocketAutoSelector());
  EXPECT_EQ(shooter->SelectedRockets, 1) << "fallback order for small ships: 0, 1, 3, 2";
  EXPECT_EQ(shooter->RocketAutoSelectHudtext, "Small Ship");
}

TEST_F(RocketSelector, FallbackFollowsTheClassOrder) {
  shooter->Rockets = {0, 0, 0, 4};
  Target(150, 100, 1000);  // medium; only type 3 in stock, and 100 is not below 30
  EXPECT_FALSE(shooter->RocketAutoSelector());
  EXPECT_EQ(shooter->SelectedRockets, 3);
  EXPECT_EQ(shooter->RocketAutoSelectHudtext, "Medium Ship");
}

TEST_F(RocketSelector, MassSetsTheClassAndNoRocketsLeaveTheSelectionAlone) {
  shooter->SelectedRockets = 1;
  const std::pair<float, const char*> kClasses[] = {
      {50, "Small Ship"}, {50.5f, "Medium Ship"}, {200, "Medium Ship"}, {200.5f, "Big Ship"}};
  for (const auto& [mass, text] : kClasses) {
    Target(mass, 500, 10000);
    EXPECT_FALSE(shooter->RocketAutoSelector());
    EXPECT_EQ(shooter->RocketAutoSelectHudtext, text) << mass;
  }
  EXPECT_EQ(shooter->SelectedRockets, 1);
}

TEST_F(RocketSelector, ToughnessCountsArmour) {
  shooter->Rockets = {5, 0, 0, 5};
  TShipPtr target = Target(40, 20, 1000);
  target->armor = 2;  // 40: too tough for type 3, fine for type 0
  EXPECT_TRUE(shooter->RocketAutoSelector());
  EXPECT_EQ(shooter->SelectedRockets, 0);
}

}  // namespace
}  // namespace tolvex
