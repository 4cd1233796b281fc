// Damage, hit points, score, rocket stock, kills with the multikill chain, leaving the game.
#include <algorithm>
#include <set>

#include "effects/TBGObject.h"
#include "platform/Clock.h"
#include "../weapons/WeaponsWorld.h"
#include "ShipWorldFixture.h"

namespace tolvex {
namespace {

using ShipDamage = ShipWorldTest;

bool HasMessage(const std::string& text) {
  const auto messages = ShipWorldTest::Messages();
  return std::find(messages.begin(), messages.end(), text) != messages.end();
}

TEST_F(ShipDamage, ShieldHalvesDamageAndLightsTheGlow) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->armor = 2;
  ship->BONUS_Shield = 1000;
  ship->DealDamage(40);
  EXPECT_EQ(ship->HP, 90.0f);
  EXPECT_EQ(ship->shieldhit, 1.0f);
}

TEST_F(ShipDamage, DifficultyScalesOnlyThePlayersDamage) {
  Difficulty = 1.5f;
  TShipPtr player = MakePlayer();
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy);
  player->DealDamage(10);
  enemy->DealDamage(10);
  EXPECT_EQ(player->HP, 85.0f);
  EXPECT_EQ(enemy->HP, 90.0f);
  EXPECT_EQ(enemy->shieldhit, 0.0f);
}

TEST_F(ShipDamage, HealingRaisesTheMaximumAndGivesBuddiesAQuarter) {
  TShipPtr player = MakePlayer();
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy);
  player->AddBuddy(buddy);
  player->AddHP(40);
  EXPECT_EQ(player->HP, 140.0f);
  EXPECT_EQ(player->HP_max, 140.0f);
  EXPECT_EQ(buddy->HP, 110.0f);
  EXPECT_EQ(buddy->HP_max, 100.0f) << "buddies get no new maximum";
  player->AddHP(-50);
  EXPECT_EQ(player->HP_max, 140.0f);
}

TEST_F(ShipDamage, PointsScaleWithDifficultyAndStopAtDeath) {
  Difficulty = 2.0f;
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->AddPoints(15);
  EXPECT_EQ(ship->Points, 30.0f);
  ship->Dead = 1;
  ship->AddPoints(15);
  EXPECT_EQ(ship->Points, 30.0f);
}

TEST_F(ShipDamage, RocketsNeverExceedTheCapacity) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->RocketCapacity[2] = 10;
  ship->Rockets[2] = 9;
  ship->AddRocket(5, 2);
  EXPECT_EQ(ship->Rockets[2], 10);
  ship->AddRocket(5, 4);  // no such type
  EXPECT_EQ(ship->Rockets, (std::array<int, 4>{0, 0, 10, 0}));
}

TEST_F(ShipDamage, RocketCapacityGrowsAsALadder) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->AddRocketCapacity(2);
  EXPECT_EQ(ship->RocketCapacity, (std::array<int, 4>{36, 24, 12, 6}));
  ship->SetRocketCapacity(10);
  ship->AddRocketCapacity(1);
  EXPECT_EQ(ship->RocketCapacity, (std::array<int, 4>{33, 22, 11, 5})) << "5 + 0.5 truncates to 5";
  ship->SetRocketCapacity(7);
  EXPECT_EQ(ship->RocketCapacity, (std::array<int, 4>{21, 14, 7, 3}));
}

TEST_F(ShipDamage, BonusesAddUp) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->AddShield(1000);
  ship->AddShield(500);
  ship->AddDoubleDamage(300);
  EXPECT_EQ(ship->BONUS_Shield, 1500);
  EXPECT_EQ(ship->BONUS_Doubledamage, 300);
}

TEST_F(ShipDamage, KillsFarApartEachStartANewChain) {
  TShipPtr player = MakePlayer();
  player->AddKill(nullptr);
  EXPECT_EQ(player->Multikillcounter, 1);
  EXPECT_EQ(player->Multikilltime, 3000);
  for (int i = 0; i < 300; ++i) player->Steering();  // 3000 ms at 10-ms frames
  EXPECT_LT(player->Multikilltime, 1);
  player->AddKill(nullptr);
  EXPECT_EQ(player->Kills, 2);
  EXPECT_EQ(player->Multikillcounter, 1);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(player->MultikillHighest, 0);
}

TEST_F(ShipDamage, TheSecondKillInTheWindowIsADoublekillWithOneBonus) {
  // Seeded, so every run draws the same bonuses; across the seeds all three come up.
  std::set<std::string> bonuses;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    SeedRandom(seed);
    MessageList.Clear();
    TShipPtr player = MakePlayer();
    player->AddKill(nullptr);
    for (int i = 0; i < 299; ++i) player->Steering();
    player->AddKill(nullptr);
    EXPECT_EQ(player->Multikillcounter, 2);
    EXPECT_EQ(player->MultikillHighest, 2);
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Doublekill");
    EXPECT_EQ(MessageColor("Doublekill"), 0xB00000);
    const bool doubled = messages[1] == "Bonus: Doubledamage for 10 seconds";
    const bool shielded = messages[1] == "Bonus: Shield for 10 seconds";
    const bool paid = messages[1] == "Bonus: 20 points";
    EXPECT_TRUE(doubled || shielded || paid) << messages[1];
    EXPECT_EQ(player->BONUS_Doubledamage, doubled ? 10000 : 0);
    EXPECT_EQ(player->BONUS_Shield, shielded ? 10000 : 0);
    EXPECT_EQ(player->Points, paid ? 20.0f : 0.0f);
    bonuses.insert(messages[1]);
  }
  EXPECT_EQ(bonuses.size(), 3u);
}

// A player in the middle of a chain that has reached count − 1.
TShipPtr PlayerInChain(int countBefore) {
  TShipPtr player = ShipWorldTest::MakePlayer();
  player->Multikilltime = 2000;
  player->Multikillcounter = countBefore;
  return player;
}

TEST_F(ShipDamage, TheFifthKillNamesTheRankAndPaysOneHeavyRocket) {
  TShipPtr player = PlayerInChain(4);
  player->AddKill(nullptr);
  EXPECT_TRUE(HasMessage("!!!Apprentice of destruction!!! "));
  EXPECT_TRUE(HasMessage("Reward: 0+0+1 rockets"));
  EXPECT_EQ(player->Rockets[2], 1);
  EXPECT_EQ(Messages().size(), 3u) << "title, reward and one bonus";
}

TEST_F(ShipDamage, TheThirtiethKillPaysSixHeavyRockets) {
  TShipPtr player = PlayerInChain(29);
  player->RocketCapacity[2] = 10;
  player->AddKill(nullptr);
  EXPECT_TRUE(HasMessage("Reward: 0+0+6 rockets"));
  EXPECT_EQ(player->Rockets[2], 6);
}

TEST_F(ShipDamage, TheThirtyFifthKillPaysSixOfEachType) {
  TShipPtr player = PlayerInChain(34);
  player->AddKill(nullptr);
  EXPECT_TRUE(HasMessage("!!!Armageddon!!! "));
  EXPECT_TRUE(HasMessage("Reward: 6+6+6 rockets"));
  EXPECT_EQ(player->Rockets, (std::array<int, 4>{6, 6, 6, 0}));
  EXPECT_EQ(player->MultikillHighest, 35);
}

TEST_F(ShipDamage, TheFortiethKillIsAPlainMultikill) {
  TShipPtr player = PlayerInChain(39);
  player->AddKill(nullptr);
  EXPECT_EQ(Messages().front(), "Multikill 40");
  EXPECT_EQ(player->Rockets, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(ShipDamage, AiShipsAreRewardedWithRocketsAndHitPoints) {
  TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy);
  enemy->AddKill(nullptr);
  EXPECT_EQ(enemy->Kills, 1);
  EXPECT_EQ(enemy->Rockets, (std::array<int, 4>{1, 1, 1, 0}));
  EXPECT_EQ(enemy->HP, 150.0f);
  EXPECT_EQ(enemy->HP_max, 100.0f);
  EXPECT_EQ(enemy->Multikillcounter, 0);
}

TEST_F(ShipDamage, ADeadShipCountsNoKills) {
  TShipPtr ship = MakeShip(50, 15, 16, kKIEnemy);
  ship->Dead = 1;
  ship->AddKill(nullptr);
  EXPECT_EQ(ship->Kills, 0);
}

TEST_F(ShipDamage, ADestroyedShipThrowsDebrisAndDropsEverything) {
  TShipPtr ship = MakeShip(100, 15, 16, kKIEnemy);
  ship->ImageRadius = 27;  // 27 div 5 + √100 = 15 pieces
  ship->AddReward("points,10");
  TShipPtr target = MakeShip(50, 15, 16, kKIEnemy, 500, 0);
  ship->KI_target = target;
  const std::size_t before = TBGObject::List().Count();
  ship->Remove();
  EXPECT_EQ(TBGObject::List().Count() - before, 15u);
  EXPECT_TRUE(ship->Dead);
  EXPECT_FALSE(InWorld(ship));
  EXPECT_TRUE(ship->Reward_List.empty());
  EXPECT_EQ(ship->KI_target, nullptr);
  ship->Remove();
  EXPECT_EQ(TBGObject::List().Count() - before, 15u) << "a ship leaves only once";
}

TEST_F(ShipDamage, WreckageDrawsItsRandomNumbersInTheGameOrder) {
  testing::MakeGunType("test-gun", 1, 100, 1000, 100);
  TShipPtr ship = MakeShip(1, 15, 16, kKIEnemy, 50, -30);
  ship->ImageRadius = 4;  // 4 div 5 + √1 = one hull piece
  ship->Direction = 30;
  ASSERT_NE(TGun::Create(ship, 0, 15, "test-gun", 0), nullptr);
  SeedRandom(77);
  ship->CreateTruemmer();

  // The same seed, drawn one by one in the order the wreckage is thrown.
  SeedRandom(77);
  const float d = 30 + RandomFloat(-90, 90);
  const float r = RandomFloat(0, 4);
  RandomInt(0, 15);  // the shard's picture
  const float rotation = static_cast<float>(RandomInt(0, 360));
  const float drift = d + RandomFloat(-5, 5);
  const float speed = RandomFloat(0, 300), zspeed = RandomFloat(0.01f, 0.1f), spin = RandomFloat(-100, 100);
  const float turretHeading = RandomFloat(0, 360);
  const float turretDrift = turretHeading + RandomFloat(-5, 5);
  const float turretSpeed = RandomFloat(0, 300), turretZspeed = RandomFloat(0.01f, 0.1f),
              turretSpin = RandomFloat(-100, 100);

  ASSERT_EQ(TBGObject::List().Count(), 2u);
  const TBGObjectPtr piece = TBGObject::List().First(), turret = TBGObject::List().Last();
  EXPECT_FLOAT_EQ(piece->x, 50 + SinDeg(d) * r);
  EXPECT_FLOAT_EQ(piece->y, -30 - CosDeg(d) * r);
  EXPECT_FLOAT_EQ(piece->rotation, rotation);
  EXPECT_FLOAT_EQ(piece->direction, drift);
  EXPECT_FLOAT_EQ(piece->speed, speed);
  EXPECT_FLOAT_EQ(piece->zspeed, zspeed);
  EXPECT_FLOAT_EQ(piece->rotationspeed, spin);
  EXPECT_FLOAT_EQ(turret->direction, turretDrift);
  EXPECT_FLOAT_EQ(turret->speed, turretSpeed);
  EXPECT_FLOAT_EQ(turret->zspeed, turretZspeed);
  EXPECT_FLOAT_EQ(turret->rotationspeed, turretSpin);
  TGunInfo::Reset();
}

TEST_F(ShipDamage, ThePlayersDeathTakesTheBuddiesAlongAndEndsTheGame) {
  GameState = kStateGame;
  TShipPtr player = MakePlayer();
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 100, 0);
  player->AddBuddy(buddy);
  player->HP = -5;
  Tick(10);
  EXPECT_TRUE(player->Dead);
  EXPECT_TRUE(buddy->Dead);
  EXPECT_FALSE(InWorld(buddy));
  EXPECT_EQ(GameState, kStateHighscore);
}

TEST_F(ShipDamage, ShipsThatLeaveLetGoOfEachOther) {
  std::weak_ptr<TShip> watchPlayer, watchBuddy;
  {
    TShipPtr player = MakePlayer();
    TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 100, 0);
    player->AddBuddy(buddy);
    player->KI_target = buddy;
    buddy->KI_target = player;
    watchPlayer = player;
    watchBuddy = buddy;
    player->Remove();
  }
  Player.reset();
  EXPECT_TRUE(watchBuddy.expired());
  EXPECT_TRUE(watchPlayer.expired());
}

TEST_F(ShipDamage, DeadBuddiesLeaveTheBuddyList) {
  TShipPtr player = MakePlayer();
  TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 100, 0);
  player->AddBuddy(buddy);
  buddy->HP = 0;
  buddy->Steering();
  EXPECT_TRUE(player->IsBuddy(buddy.get()));
  player->Steering();
  EXPECT_FALSE(player->IsBuddy(buddy.get()));
  EXPECT_TRUE(player->BuddyList.Empty());
}

}  // namespace
}  // namespace tolvex
