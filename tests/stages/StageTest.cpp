// Stages: weighted arrivals, the enemy cap, starting a stage, backdrops and the stage runner.
#include <map>

#include "StageFixture.h"
#include "platform/Clock.h"

namespace tolvex {
namespace {

using Stages = StageTest;

TEST_F(Stages, WeightsThreeAndOnePickByTheDrawnValue) {
  const TLevelPtr stage = TLevel::Create("Test", 5);
  stage->AddEnemy("first", 3);
  stage->AddEnemy("second", 1);
  EXPECT_EQ(stage->totalchance, 4);
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(stage->PickEntry(r), 0) << r;
  EXPECT_EQ(stage->PickEntry(4), 1);
  EXPECT_EQ(stage->PickEntry(5), -1);
}

TEST_F(Stages, ArrivalsFollowTheWeights) {
  RegisterType("heavy", "a");
  RegisterType("light", "a");
  SeedRandom(3);
  const TLevelPtr stage = TLevel::Create("Test", 5);
  stage->AddEnemy("heavy", 3);
  stage->AddEnemy("light", 1);
  std::map<std::string, int> arrivals;
  for (int i = 0; i < 4000; ++i) stage->NewEnemy();
  for (const auto& object : TUniverse::WorldList()) ++arrivals[static_cast<const TShip&>(*object).id];
  EXPECT_EQ(arrivals["heavy"] + arrivals["light"], 4000);
  EXPECT_NEAR(arrivals["heavy"] / 4000.0, 0.75, 0.03);
}

TEST_F(Stages, BelowTheCapExactlyOneEnemyArrivesPerFrame) {
  RegisterType("j_bat", "NASA");
  const TLevelPtr stage = AddStage("Test", 3);
  stage->AddEnemy("j_bat", 1);
  TLevel::SetLevel(stage);
  for (int frame = 1; frame <= 3; ++frame) {
    StageFrame();
    EXPECT_EQ(EnemiesInWorld(), frame);
  }
  StageFrame();
  StageFrame();
  EXPECT_EQ(EnemiesInWorld(), 3) << "the cap is reached";
}

TEST_F(Stages, TheCapCountsOnlyEnemiesAndLeavingOnesStillCount) {
  RegisterType("j_bat", "NASA");
  MakePlayer(0, 0);
  MakeShip(50, 15, 16, kKIBuddy, 100, 0);
  MakeShip(50, 15, 16, kKIEnemy, 200, 0);
  MakeShip(50, 15, 16, kKIEnemy, 300, 0);
  const TLevelPtr stage = AddStage("Test", 2);
  stage->AddEnemy("j_bat", 1);
  TLevel::SetLevel(stage);  // sends the two enemies away
  StageFrame();
  EXPECT_EQ(EnemiesInWorld(), 2) << "fleeing enemies fill the cap until they are gone";
  const auto leaving = std::static_pointer_cast<TShip>(*TUniverse::WorldList().begin());
  ASSERT_TRUE(leaving->KI_Leave);
  leaving->Remove();
  StageFrame();
  EXPECT_EQ(EnemiesInWorld(), 2);
}

TEST_F(Stages, APickOfAnUnknownTypeSpawnsNothingThatFrame) {
  RegisterType("j_bat", "NASA");
  SeedRandom(11);
  const TLevelPtr stage = AddStage("Test", 50);
  stage->AddEnemy("js_guantarque", 1);
  stage->AddEnemy("j_bat", 1);
  TLevel::SetLevel(stage);
  for (int i = 0; i < 40; ++i) StageFrame();
  EXPECT_GT(EnemiesInWorld(), 5);
  EXPECT_LT(EnemiesInWorld(), 35) << "about half of the picks name no ship type";
}

TEST_F(Stages, AStageWithoutEntriesSpawnsNothing) {
  const TLevelPtr stage = AddStage("Empty", 10);
  TLevel::SetLevel(stage);
  StageFrame();
  EXPECT_EQ(EnemiesInWorld(), 0);
}

TEST_F(Stages, FactionsAddEveryTypeInRegistryOrderWhateverTheCase) {
  RegisterType("z_last", "Red Army");
  RegisterType("a_first", "red army");
  RegisterType("m_other", "Elite");
  const TLevelPtr stage = TLevel::Create("Test", 5);
  stage->AddFraction("RED ARMY", 2);
  stage->AddFraction("Police Force", 7);
  EXPECT_EQ(stage->EnemyCollection_ID, (std::vector<std::string>{"a_first", "z_last"}));
  EXPECT_EQ(stage->EnemyCollection_P, (std::vector<int>{2, 2}));
  EXPECT_EQ(stage->totalchance, 4);
}

TEST_F(Stages, StartingAStageStampsItsClockSendsEnemiesAwayAndShowsItsName) {
  MakePlayer(0, 0);
  const TShipPtr enemy = MakeShip(50, 15, 16, kKIEnemy, 500, 0);
  const TShipPtr buddy = MakeShip(50, 15, 16, kKIBuddy, 600, 0);
  const float buddySpeed = buddy->Enginespeed;
  const TLevelPtr stage = AddStage("Second Stage", 4);
  FrameClock = 123456;
  TLevel::SetLevel(stage);
  EXPECT_EQ(CurrentLevel, stage);
  EXPECT_EQ(stage->birthtime, 123456);
  EXPECT_EQ(TLevel::GetBirthTime(), 123456);
  EXPECT_EQ(TLevel::GetCurrentLevelName(), "Second Stage");
  EXPECT_TRUE(enemy->KI_Leave);
  EXPECT_FALSE(buddy->KI_Leave);
  EXPECT_FLOAT_EQ(buddy->Enginespeed, buddySpeed) << "only enemies are sent away";
  EXPECT_EQ(Messages(), std::vector<std::string>{"Second Stage"});
  EXPECT_EQ(MessageColor("Second Stage"), 0xF4B800);
}

TEST_F(Stages, WithoutAStageTheMenuStageIsSelectedSilently) {
  EXPECT_EQ(TLevel::GetCurrentLevelName(), "");
  EXPECT_EQ(TLevel::GetBirthTime(), 0);
  TLevel::RunLevels();  // no table at all: nothing happens
  EXPECT_EQ(CurrentLevel, nullptr);
  const TLevelPtr menu = AddStage("", 10);
  AddStage("First Stage", 3);
  TLevel::RunLevels();
  EXPECT_EQ(CurrentLevel, menu);
  EXPECT_TRUE(Messages().empty()) << "the nameless stage shows no name";
  TLevel::SetLevel(Levels[1]);
  TLevel::SetLevel(nullptr);
  EXPECT_EQ(CurrentLevel, menu);
}

TEST_F(Stages, ConditionsRestWhileThePlayerIsDeadButEnemiesKeepComing) {
  RegisterType("j_bat", "NASA");
  const TShipPtr player = MakePlayer(0, 0);
  const TLevelPtr stage = AddStage("Test", 3);
  stage->AddEnemy("j_bat", 1);
  stage->AddCondition(TCondition_leveltime::Create(0, nullptr));
  TLevel::SetLevel(stage);
  player->Dead = 1;
  StageFrame();
  StageFrame();
  EXPECT_TRUE(stage->conclude[0]->aktive);
  EXPECT_EQ(EnemiesInWorld(), 2);
  player->Dead = 0;
  StageFrame();
  EXPECT_FALSE(stage->conclude[0]->aktive);
}

class StageBackdrops : public StageTest {
 protected:
  void SetUp() override {
    StageTest::SetUp();
    a = TAmbient::Create();
    b = TAmbient::Create();
  }
  TAmbientPtr a, b;
};

TEST_F(StageBackdrops, TheFirstStageFadesItsBackdropIn) {
  const TLevelPtr stage = AddStage("One", 1);
  stage->Ambient = a;
  TLevel::SetLevel(stage);
  EXPECT_TRUE(a->Active);
  EXPECT_EQ(a->FadeInOrOut, 1);
  EXPECT_EQ(a->Fadetimemax, 3000);
}

TEST_F(StageBackdrops, ADifferentBackdropCrossFades) {
  const TLevelPtr one = AddStage("One", 1), two = AddStage("Two", 1);
  one->Ambient = a;
  two->Ambient = b;
  TLevel::SetLevel(one);
  TLevel::SetLevel(two);
  EXPECT_EQ(a->FadeInOrOut, 2);
  EXPECT_EQ(b->FadeInOrOut, 1);
  EXPECT_EQ(b->Fadetimemax, 3000);
  EXPECT_EQ(TAmbient::ActiveList().Count(), 2u);
}

TEST_F(StageBackdrops, TheSameBackdropDoesNotFade) {
  const TLevelPtr one = AddStage("One", 1), two = AddStage("Two", 1);
  one->Ambient = two->Ambient = a;
  TLevel::SetLevel(one);
  a->FadeInOrOut = 0;  // the fade-in has run its course
  a->Viewpower = 1;
  TLevel::SetLevel(two);
  EXPECT_EQ(a->FadeInOrOut, 0);
  EXPECT_FLOAT_EQ(a->Viewpower, 1);
  EXPECT_EQ(TAmbient::ActiveList().Count(), 1u);
}

TEST_F(StageBackdrops, AStageWithoutBackdropFadesTheOldOneOut) {
  const TLevelPtr one = AddStage("One", 1), bare = AddStage("Bare", 1), three = AddStage("Three", 1);
  one->Ambient = a;
  three->Ambient = b;
  TLevel::SetLevel(one);
  TLevel::SetLevel(bare);
  EXPECT_EQ(a->FadeInOrOut, 2);
  TLevel::SetLevel(three);
  EXPECT_EQ(b->FadeInOrOut, 1) << "from no backdrop the new one fades in";
}

}  // namespace
}  // namespace tolvex
