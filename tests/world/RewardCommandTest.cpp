// The reward language run on the player's ship.
#include "weapons/TGun.h"
#include "ShipWorldFixture.h"

namespace tolvex {
namespace {

using RewardCommands = ShipWorldTest;

TEST_F(RewardCommands, RocketsPointsBonusesAndHitPoints) {
  TShipPtr player = MakePlayer();
  Difficulty = 1.5f;
  for (const char* command :
       {"rocket0,5", "Rocket1,3", "ROCKET3,9", "points,100", "doubledamage,2000", "shield,3000", "hp,50"})
    RunRewardCommand(command);
  EXPECT_EQ(player->Rockets, (std::array<int, 4>{5, 3, 0, 5}));
  EXPECT_EQ(player->Points, 150.0f);
  EXPECT_EQ(player->BONUS_Doubledamage, 2000);
  EXPECT_EQ(player->BONUS_Shield, 3000);
  EXPECT_EQ(player->HP, 150.0f);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RewardCommands, MsgShowsEverythingAfterTheFirstComma) {
  MakePlayer();
  RunRewardCommand("msg,Got reward: 1+1 rockets, and 2 points, well done");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Got reward: 1+1 rockets, and 2 points, well done"});
  EXPECT_EQ(MessageColor("Got reward: 1+1 rockets, and 2 points, well done"), 0x08A600);
}

TEST_F(RewardCommands, UnknownKeysAndBadNumbersDoNothing) {
  TShipPtr player = MakePlayer();
  for (const char* command : {"rocket4,5", "teleport,5", "points,lots", "points"}) RunRewardCommand(command);
  EXPECT_EQ(player->Rockets, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(player->Points, 0.0f);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RewardCommands, WithoutAPlayerNothingHappens) {
  RunRewardCommand("msg,nobody hears this");
  RunRewardCommand("multiplydifficulty,2");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Difficulty, 1.0f);
}

TEST_F(RewardCommands, DifficultyGrowsByFactorOrAmount) {
  MakePlayer();
  RunRewardCommand("multiplydifficulty,1.5");
  RunRewardCommand("adddifficulty,0.25");
  EXPECT_FLOAT_EQ(Difficulty, 1.75f);
  RunRewardCommand("multiplydifficulty,nan");
  EXPECT_EQ(Difficulty, 0.0f) << "not a number reads as 0";
  EXPECT_EQ(Messages(), std::vector<std::string>(3, "Increased difficulty"));
}

TEST_F(RewardCommands, RocketCapacityMessageShowsTheNewLadder) {
  MakePlayer();
  RunRewardCommand("increase rocket capacity,1");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Increased rocket capacity 33/22/11/5"});
}

TEST_F(RewardCommands, GiveRewardsPaysTheVictimsListToThePlayer) {
  TShipPtr player = MakePlayer();
  TShipPtr victim = MakeShip(50, 15, 16, kKIEnemy, 300, 0);
  victim->AddReward("points,10");
  victim->AddReward("rocket1,2");
  victim->GiveRewards();
  EXPECT_EQ(player->Points, 10.0f);
  EXPECT_EQ(player->Rockets[1], 2);
  EXPECT_EQ(victim->Points, 0.0f);
}

}  // namespace
}  // namespace tolvex
