// Stage conditions: the four tests, AND chains, firing once per visit, rewards and their order.
#include "StageFixture.h"

namespace tolvex {
namespace {

using Conditions = StageTest;

TEST_F(Conditions, TwoTrueConditionsFireOnePerFrameInInsertionOrder) {
  const TShipPtr player = MakePlayer();
  const TLevelPtr stage = AddStage("Test", 0);
  auto five = TCondition_newkills::Create(5, nullptr);
  auto ten = TCondition_newkills::Create(10, nullptr);
  five->AddReward("msg,five");
  ten->AddReward("msg,ten");
  stage->AddCondition(five);
  stage->AddCondition(ten);
  TLevel::SetLevel(stage);
  MessageList.Clear();
  player->Kills = 12;
  StageFrame();
  EXPECT_FALSE(five->aktive);
  EXPECT_TRUE(ten->aktive);
  EXPECT_EQ(Messages(), std::vector<std::string>{"five"});
  StageFrame();
  EXPECT_FALSE(ten->aktive);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"five", "ten"}));
  StageFrame();
  EXPECT_EQ(Messages().size(), 2u) << "each fires once per visit";
}

TEST_F(Conditions, AConditionThatChangesTheStageLeavesTheOthersOfItsStageBehind) {
  const TShipPtr player = MakePlayer();
  const TLevelPtr stage = AddStage("Test", 0), next = AddStage("Next", 0);
  auto leave = TCondition_newkills::Create(1, next);
  auto stay = TCondition_newkills::Create(1, nullptr);
  stay->AddReward("msg,stay");
  stage->AddCondition(leave);
  stage->AddCondition(stay);
  TLevel::SetLevel(stage);
  player->Kills = 3;
  StageFrame();
  EXPECT_EQ(CurrentLevel, next);
  StageFrame();
  StageFrame();
  EXPECT_TRUE(stay->aktive) << "its stage is no longer the one that runs";
}

TEST_F(Conditions, NinetySecondsAndAnAndChainedFifteenKillsOfTheWholeGame) {
  const TShipPtr player = MakePlayer();
  player->Kills = 6;  // made before the stage began: the AND partner is never given a baseline
  const TLevelPtr stage = AddStage("Test", 0), next = AddStage("Next", 0);
  auto exit = TCondition_leveltime::Create(90000, next);
  exit->SetAndCondition(TCondition_newkills::Create(15, nullptr));
  stage->AddCondition(exit);
  TLevel::SetLevel(stage);
  player->Kills = 15;
  FrameClock = stage->birthtime + 89990;
  StageFrame(10);  // exactly 90 s: not yet, the time must be passed
  EXPECT_EQ(CurrentLevel, stage);
  player->Kills = 14;
  StageFrame(10);
  EXPECT_EQ(CurrentLevel, stage) << "14 kills in the game are not enough";
  RunFor(30000);
  EXPECT_EQ(CurrentLevel, stage);
  player->Kills = 15;
  StageFrame(10);
  EXPECT_EQ(CurrentLevel, next);
}

TEST_F(Conditions, AKillsConditionCountsFromTheStageStart) {
  const TShipPtr player = MakePlayer();
  player->Kills = 40;
  const TLevelPtr stage = AddStage("Test", 0);
  auto five = TCondition_newkills::Create(5, nullptr);
  stage->AddCondition(five);
  TLevel::SetLevel(stage);
  EXPECT_EQ(five->oldkills, 40);
  player->Kills = 44;
  StageFrame();
  EXPECT_TRUE(five->aktive);
  player->Kills = 45;
  StageFrame();
  EXPECT_FALSE(five->aktive);
}

TEST_F(Conditions, APointsConditionTakesTheTruncatedScoreAsItsBaseline) {
  const TShipPtr player = MakePlayer();
  player->Points = 10.75f;
  const TLevelPtr stage = AddStage("Test", 0);
  auto hundred = TCondition_newpoints::Create(100, nullptr);
  stage->AddCondition(hundred);
  TLevel::SetLevel(stage);
  EXPECT_EQ(hundred->oldpoints, 10);
  player->Points = 109.9f;
  StageFrame();
  EXPECT_TRUE(hundred->aktive);
  player->Points = 110.0f;
  StageFrame();
  EXPECT_FALSE(hundred->aktive);
}

TEST_F(Conditions, AKillTypeConditionHearsShipDeathsWhateverTheCase) {
  auto kills = TCondition_killshiptype::Create("MS_Eyriese", 2);
  EXPECT_EQ(kills->shipid, "ms_eyriese");
  kills->Tell("shipdeath,ms_eyriese");
  kills->Tell("shipdeath,MS_EYRIESE");
  kills->Tell("shipdeath,ms_eyrie");
  kills->Tell("somethingelse,ms_eyriese");
  kills->Tell("shipdeath");
  EXPECT_EQ(kills->counter, 2);
  EXPECT_TRUE(kills->Check());
}

TEST_F(Conditions, AKillTypeConditionCountsOnlyTheKillsOfThisVisit) {
  const TShipPtr player = MakePlayer();
  const TLevelPtr stage = AddStage("Mothership", 1), home = AddStage("Home", 0);
  auto kill = TCondition_killshiptype::Create("ms_eyriese", 1);
  kill->SetNextLevel(home);
  stage->AddCondition(TCondition_leveltime::Create(1000, nullptr));
  stage->AddCondition(kill);
  TLevel::SetLevel(stage);
  StageFrame();
  EXPECT_EQ(CurrentLevel, stage);
  RunRewardCommand("telldeath,ms_eyriese");
  EXPECT_EQ(kill->counter, 1);
  StageFrame();
  EXPECT_EQ(CurrentLevel, home);
  TLevel::SetLevel(stage);  // the next visit starts counting at 0
  EXPECT_EQ(kill->counter, 0);
  StageFrame();
  EXPECT_EQ(CurrentLevel, stage) << "the last visit's kill does not end this one";
  player->Dead = 1;
  RunRewardCommand("telldeath,ms_eyriese");
  StageFrame();
  EXPECT_EQ(CurrentLevel, stage) << "not while the player is dead";
  player->Dead = 0;
  StageFrame();
  EXPECT_EQ(CurrentLevel, home);
}

TEST_F(Conditions, TellDeathReachesOnlyTheCurrentStage) {
  MakePlayer();
  const TLevelPtr stage = AddStage("Here", 0), other = AddStage("There", 0);
  auto here = TCondition_killshiptype::Create("x", 5);
  auto there = TCondition_killshiptype::Create("x", 5);
  stage->AddCondition(here);
  other->AddCondition(there);
  RunRewardCommand("telldeath,x");  // no stage yet: nobody hears it
  TLevel::SetLevel(stage);
  RunRewardCommand("TellDeath,X");
  EXPECT_EQ(here->counter, 1);
  EXPECT_EQ(there->counter, 0);
}

TEST_F(Conditions, TimeMustStrictlyExceedTheStagesAge) {
  MakePlayer();
  const TLevelPtr stage = AddStage("Test", 0);
  auto second = TCondition_leveltime::Create(1000, nullptr);
  stage->AddCondition(second);
  TLevel::SetLevel(stage);
  StageFrame(500);
  StageFrame(500);
  EXPECT_TRUE(second->aktive);
  StageFrame(1);
  EXPECT_FALSE(second->aktive);
}

TEST_F(Conditions, TheAndPartnersRewardsArePaidFirst) {
  const TShipPtr player = MakePlayer();
  auto outer = TCondition_newkills::Create(0, nullptr);
  auto inner = TCondition_newkills::Create(0, nullptr);
  auto innermost = TCondition_newkills::Create(0, nullptr);
  outer->AddReward("msg,outer");
  inner->AddReward("msg,inner");
  innermost->AddReward("msg,innermost");
  inner->SetAndCondition(innermost);
  outer->SetAndCondition(inner);
  outer->GiveRewards();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"innermost", "inner", "outer"}));
}

TEST_F(Conditions, AChainStopsAtItsFirstFailingLink) {
  const TShipPtr player = MakePlayer();
  auto outer = TCondition_newkills::Create(1, nullptr);
  auto inner = TCondition_newkills::Create(3, nullptr);
  outer->SetAndCondition(inner);
  player->Kills = 2;
  EXPECT_FALSE(outer->Check());
  player->Kills = 3;
  EXPECT_TRUE(outer->Check());
  player->Kills = 0;
  EXPECT_FALSE(outer->Check());
}

TEST_F(Conditions, TheNewStageStartsBeforeTheRewardsArePaid) {
  const TShipPtr player = MakePlayer();
  const TLevelPtr stage = AddStage("Old", 0), next = AddStage("New", 0);
  auto exit = TCondition_newkills::Create(1, next);
  exit->AddReward("points,20");
  exit->AddReward("msg,Got reward");
  stage->AddCondition(exit);
  auto pointsGoal = TCondition_newpoints::Create(20, nullptr);
  next->AddCondition(pointsGoal);
  TLevel::SetLevel(stage);
  MessageList.Clear();
  player->Kills = 1;
  StageFrame();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"New", "Got reward"}));
  EXPECT_EQ(pointsGoal->oldpoints, 0) << "the baseline was taken before the reward";
  StageFrame();
  EXPECT_FALSE(pointsGoal->aktive) << "the reward points count towards the new stage";
}

TEST_F(Conditions, ReEnteringAStageArmsItsConditionsAgain) {
  const TShipPtr player = MakePlayer();
  const TLevelPtr stage = AddStage("Test", 0);
  auto one = TCondition_newkills::Create(1, nullptr);
  stage->AddCondition(one);
  TLevel::SetLevel(stage);
  player->Kills = 1;
  StageFrame();
  EXPECT_FALSE(one->aktive);
  TLevel::SetLevel(stage);
  EXPECT_TRUE(one->aktive);
  EXPECT_EQ(one->oldkills, 1);
}

}  // namespace
}  // namespace tolvex
