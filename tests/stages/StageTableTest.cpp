// The stage table: the 21 stages, their enemies and exits, and the run through them.
#include "StageFixture.h"
#include "content/GunTable.h"
#include "effects/AmbientTable.h"
#include "stages/StageTable.h"
#include "weapons/TGunInfo.h"
#include "world/PlayerShip.h"

namespace tolvex {
namespace {

class StageTable : public StageTest {
 protected:
  void SetUp() override {
    StageTest::SetUp();
    TGunInfo::Reset();
    CreateGunTable();
    CreateShipTable();
    for (auto& ambient : Ambients) ambient = TAmbient::Create();
    CreateStageTable();
    CreateStartingPlayerShip();
    Player->Speed_x = 5;  // moving, so the stage's enemies do not all fall on it at once
    Difficulty = 1.0f;
  }
  void TearDown() override {
    for (auto& ambient : Ambients) ambient.reset();
    StageTest::TearDown();
    TGunInfo::Reset();
  }

  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const TLevelPtr& stage : Levels) names.push_back(stage->Name);
    return names;
  }

  // Starts a stage as a condition leading to it would.
  static void Enter(std::size_t index) { TLevel::SetLevel(Levels[index]); }
};

TEST_F(StageTable, TwentyOneStagesWithTheirNamesCapsAndBackdrops) {
  ASSERT_EQ(Levels.size(), 21u);
  const std::vector<std::string> expected{
      "",  "First Stage", "Second Stage", "Third Stage", "4th Stage", "5th Stage", "6th Stage",
      "7th Stage", "8th Stage", "9th Stage", "Final Stage", "Bonus Stage 1", "Bonus Stage 2",
      "Bonus Stage 3", "Bonus Stage 4", "Bonus Stage 5", "Bonus Stage 6", "Bonus Stage 7", "Bonus Stage 8",
      "Bonus Stage 9", "Bonus Stage 10"};
  EXPECT_EQ(Names(), expected);
  const std::vector<int> caps{10, 3, 4, 5, 6, 6, 8, 8, 8, 8, 8, 4, 4, 4, 4, 4, 4, 4, 4, 4, 1};
  for (std::size_t i = 0; i < caps.size(); ++i) EXPECT_EQ(Levels[i]->MaxEnemies, caps[i]) << i;
  const std::vector<int> backdrop{0, 0, 1, 2, 2, 3, 3, 4, 4, 5, 5};
  for (std::size_t i = 0; i < backdrop.size(); ++i)
    EXPECT_EQ(Levels[i]->Ambient, Ambients[static_cast<std::size_t>(backdrop[i])]) << i;
  for (std::size_t k = 1; k <= 10; ++k) EXPECT_EQ(Levels[10 + k]->Ambient, Levels[k]->Ambient) << k;
}

TEST_F(StageTable, EnemyListsIncludeTheTwoEntriesThatMatchNothing) {
  const TLevel& first = *Levels[1];
  EXPECT_EQ(first.EnemyCollection_ID,
            (std::vector<std::string>{"f_acteon", "j_bat", "js_bee", "js_guanmercque", "t_guansharcxy",
                                      "js_guantarque", "js_guanmercque"}));
  EXPECT_EQ(first.EnemyCollection_P, (std::vector<int>{5, 5, 5, 1, 1, 1, 1}));
  EXPECT_EQ(first.totalchance, 19);
  EXPECT_EQ(Levels[2]->EnemyCollection_ID, std::vector<std::string>{"j_silverhawk"});
  EXPECT_EQ(Levels[2]->totalchance, 2);
  EXPECT_EQ(Levels[20]->EnemyCollection_ID, std::vector<std::string>{"ms_eyriese"});
  EXPECT_EQ(Levels[14]->EnemyCollection_ID, std::vector<std::string>{"d_dronec1_se"});
  // The menu stage takes nine factions; the police, player, NASA, pirates and froots stay out.
  EXPECT_TRUE(Levels[0]->conclude.empty());
  for (const std::string& id : Levels[0]->EnemyCollection_ID) {
    const std::string faction = TShipInfo::Get(id)->Fraction;
    EXPECT_TRUE(faction != "police" && faction != "player" && faction != "nasa" && faction != "pirat" &&
                faction != "froots")
        << id;
  }
  EXPECT_EQ(Levels[0]->EnemyCollection_ID.size(), 40u);
}

TEST_F(StageTable, RegularStagesHaveMilestonesThenTheBonusAndTheNextExit) {
  const std::vector<std::size_t> milestones{5, 5, 3, 6, 3, 3, 3, 3, 3, 3};
  for (std::size_t k = 1; k <= 10; ++k) {
    const TLevel& stage = *Levels[k];
    ASSERT_EQ(stage.conclude.size(), milestones[k - 1] + 2) << k;
    const auto& bonus = dynamic_cast<const TCondition_leveltime&>(*stage.conclude[milestones[k - 1]]);
    const auto& next = dynamic_cast<const TCondition_leveltime&>(*stage.conclude.back());
    EXPECT_EQ(bonus.selftime, 89000);
    EXPECT_EQ(next.selftime, 90000);
    EXPECT_EQ(bonus.NextLevel.lock(), Levels[10 + k]);
    EXPECT_EQ(next.NextLevel.lock(), Levels[k == 10 ? 1 : k + 1]);
    ASSERT_TRUE(bonus.AndCondition && next.AndCondition);
  }
  const auto& fourthBonus = dynamic_cast<const TCondition_newkills&>(*Levels[4]->conclude[6]->AndCondition);
  EXPECT_EQ(fourthBonus.kills, 40);
  EXPECT_EQ(Levels[3]->conclude[3]->Reward.front(), "buddy");
}

TEST_F(StageTable, BonusStageThreeAnnouncesItselfThenLeadsToTheFourthStage) {
  Enter(13);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Bonus Stage 3"});
  StageFrame(500);
  StageFrame(500);
  StageFrame(10);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Bonus Stage 3", "30 Seconds..."}));
  MessageList.Clear();
  RunFor(28900, 100);  // 29.91 s in the stage
  EXPECT_EQ(CurrentLevel, Levels[13]);
  RunFor(200, 100);
  EXPECT_EQ(CurrentLevel, Levels[4]);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"4th Stage", "Here comes Buddy!", "END Bonusstage 3"}));
  EXPECT_EQ(Player->BuddyList.Count(), 1u);
}

TEST_F(StageTable, StageOneAtNinetySecondsWithNineKillsWaitsForTheTenth) {
  Enter(1);
  Player->Kills = 9;
  StageFrame();
  RunFor(91000, 500);
  EXPECT_EQ(CurrentLevel, Levels[1]);
  EXPECT_FALSE(Levels[1]->conclude[0]->aktive) << "the 5-kill milestone was paid";
  const int rockets0 = Player->Rockets[0];
  MessageList.Clear();
  Player->Kills = 10;
  StageFrame();
  EXPECT_EQ(CurrentLevel, Levels[1]) << "the milestone stands first and fires alone";
  EXPECT_FALSE(Levels[1]->conclude[1]->aktive);
  EXPECT_EQ(Player->Rockets[0], std::min(rockets0 + 3, Player->RocketCapacity[0]));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Got rewards", "3+2 rockets"}));
  const float points = Player->Points;
  StageFrame();
  EXPECT_EQ(CurrentLevel, Levels[2]);
  EXPECT_FLOAT_EQ(Player->Points, points + 5);
  EXPECT_EQ(Player->BuddyList.Count(), 1u);
  EXPECT_EQ(Messages()[2], "Second Stage");
}

TEST_F(StageTable, FifteenKillsByEightyNineSecondsTakeTheBonusExit) {
  Enter(1);
  Player->Kills = 15;
  RunFor(89500, 500);
  EXPECT_EQ(CurrentLevel, Levels[11]);
  EXPECT_TRUE(Player->BuddyList.Empty()) << "the bonus exit of stage 1 brings no wingman";
}

TEST_F(StageTable, TheFinalStagesNextExitRestartsTheRunHarder) {
  Enter(10);
  Player->Kills = 15;
  RunFor(90500, 500);
  EXPECT_EQ(CurrentLevel, Levels[1]);
  EXPECT_FLOAT_EQ(Difficulty, 1.5f);
}

TEST_F(StageTable, EveryVisitOfBonusStageTenNeedsItsOwnMothershipKill) {
  Enter(20);
  StageFrame();
  RunRewardCommand("telldeath,ms_eyriese");  // the player destroyed the mothership
  StageFrame();
  EXPECT_EQ(CurrentLevel, Levels[1]);
  EXPECT_EQ(Player->id, "pj_darkstar_se") << "bonusship";
  EXPECT_EQ(BonusGunLevel, 2);
  EXPECT_FLOAT_EQ(Difficulty, 1.5f);
  EXPECT_EQ(Player->RocketCapacity[0], 45);
  Enter(20);
  RunFor(2000, 500);
  EXPECT_EQ(CurrentLevel, Levels[20]) << "the last visit's kill does not end this one";
  EXPECT_EQ(Player->id, "pj_darkstar_se");
  EXPECT_FLOAT_EQ(Difficulty, 1.5f);
  RunRewardCommand("telldeath,ms_eyriese");
  StageFrame();
  EXPECT_EQ(CurrentLevel, Levels[1]);
  EXPECT_EQ(Player->id, "pj_darkx");
  EXPECT_FLOAT_EQ(Difficulty, 2.0f);
}

TEST_F(StageTable, BonusStageTenOtherwiseEndsAfterNinetySeconds) {
  Enter(20);
  RunFor(1100, 100);
  EXPECT_EQ(Messages().back(), "Mother of all motherships incoming...");
  RunFor(89000, 500);
  EXPECT_EQ(CurrentLevel, Levels[1]);
  EXPECT_EQ(Player->id, "pj_modernx");
  EXPECT_FLOAT_EQ(Difficulty, 1.5f);
  EXPECT_EQ(BonusGunLevel, 2);
}

TEST_F(StageTable, TheMothershipsRewardTellsTheStage) {
  Enter(20);
  const auto mothership = TShipInfo::CreateShip("ms_eyriese", nullptr);
  mothership->GiveRewards();  // as the player's killing shot pays it
  const auto& kill = dynamic_cast<const TCondition_killshiptype&>(*Levels[20]->conclude[1]);
  EXPECT_EQ(kill.counter, 1);
}

}  // namespace
}  // namespace tolvex
