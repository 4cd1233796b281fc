#include "stages/StageTable.h"

#include <array>
#include <initializer_list>
#include <string>

#include "effects/AmbientTable.h"
#include "stages/Conditions.h"
#include "stages/TLevel.h"

namespace tolvex {

namespace {

using Rewards = std::initializer_list<const char*>;

constexpr int kStageCount = 21;
constexpr int kLastRegular = 10;

// How one regular stage ends: milestones every 5 kills up to the last one, the bonus exit and the next exit.
struct RegularExits {
  int lastMilestone;
  Rewards milestone;
  int bonusKills;
  Rewards bonus;
  int nextKills;
  Rewards next;
};

constexpr Rewards kFivePoints{"points,5", "msg,Got reward", "msg,5 points"};
constexpr Rewards kFivePointsBuddy{"points,5", "buddy", "msg,Got reward", "msg,5 points"};
constexpr Rewards kMilestone8{"rocket0,3", "rocket1,3", "rocket2,2", "msg,Got reward", "msg,3+3+2 rockets"};

// Stages 1..10, index k - 1.
const std::array<RegularExits, kLastRegular> kRegular{{
    {25, {"rocket0,3", "rocket1,2", "msg,Got rewards", "msg,3+2 rockets"}, 15, kFivePoints, 10, kFivePointsBuddy},
    {25, {"rocket0,2", "rocket1,2", "msg,Got reward", "msg,2+2 rockets"}, 20, kFivePoints, 15, kFivePointsBuddy},
    {15, {"rocket0,3", "rocket1,2", "msg,Got reward", "msg,3+2 rockets"}, 20,
     {"buddy", "points,5", "msg,Got reward", "msg,5 points"}, 15, kFivePoints},
    {30, {"rocket0,3", "rocket1,3", "msg,Got reward", "msg,3+3 rockets"}, 40, kFivePoints, 25, kFivePointsBuddy},
    {15, {"rocket0,2", "rocket1,2", "rocket2,1", "msg,Got reward", "msg,1+2+2 rockets"}, 20, kFivePoints, 15,
     kFivePointsBuddy},
    {15, {"rocket0,3", "rocket1,3", "msg,Got reward", "msg,3+3 rockets"}, 20,
     {"points,5", "rocket0,3", "rocket1,2", "rocket2,1", "msg,Got reward", "msg,5 points"}, 15, kFivePointsBuddy},
    {15, {"rocket0,3", "rocket1,2", "rocket2,1", "msg,Got reward", "msg,3+2+1 rockets"}, 20, kFivePoints, 15,
     kFivePointsBuddy},
    {15, kMilestone8, 20, kFivePoints, 15, kFivePointsBuddy},
    {15, kMilestone8, 20, kFivePoints, 15, kFivePointsBuddy},
    {15, kMilestone8, 20, kFivePoints, 15,
     {"points,5", "buddy", "multiplydifficulty,1.5", "msg,Got reward", "msg,5 points", "msg,GAME END",
      "msg,STARTS AGAIN WITH STAGE 1", "msg,Increased difficulty"}},
}};

struct StageHead {
  const char* name;
  int maxEnemies;
  int ambient;
};

constexpr std::array<StageHead, kLastRegular + 1> kHeads{{
    {"", 10, 0},
    {"First Stage", 3, 0},
    {"Second Stage", 4, 1},
    {"Third Stage", 5, 2},
    {"4th Stage", 6, 2},
    {"5th Stage", 6, 3},
    {"6th Stage", 8, 3},
    {"7th Stage", 8, 4},
    {"8th Stage", 8, 4},
    {"9th Stage", 8, 5},
    {"Final Stage", 8, 5},
}};

// Adds the reward commands, in order, and hands the condition back.
template <class Condition>
std::shared_ptr<Condition> WithRewards(std::shared_ptr<Condition> condition, Rewards rewards) {
  for (const char* command : rewards) condition->AddReward(command);
  return condition;
}

void CreateStages() {
  Levels.clear();
  Levels.reserve(kStageCount);
  for (const StageHead& head : kHeads) Levels.push_back(TLevel::Create(head.name, head.maxEnemies));
  for (int k = 1; k <= 9; ++k) Levels.push_back(TLevel::Create("Bonus Stage " + std::to_string(k), 4));
  Levels.push_back(TLevel::Create("Bonus Stage 10", 1));
}

void AddEnemies() {
  TLevel& menu = *Levels[0];
  for (const char* faction : {"Alien", "Insects", "Dronen", "BringIt Coop", "Red Army", "Freelancer", "Elite",
                              "Moonlancer", "Special Edition"})
    menu.AddFraction(faction, 1);
  Levels[1]->AddFraction("NASA", 5);
  Levels[1]->AddFraction("Alien", 1);
  Levels[1]->AddEnemy("js_guantarque", 1);  // no ship type has this ID: such a pick spawns nothing
  Levels[1]->AddEnemy("js_guanmercque", 1);
  Levels[2]->AddFraction("Police Force", 1);  // the police ships' faction is "Police": this adds nothing
  Levels[2]->AddEnemy("j_silverhawk", 2);
  Levels[3]->AddFraction("Insects", 1);
  Levels[3]->AddEnemy("j_moskito", 1);
  Levels[3]->AddEnemy("js_dragonfly", 1);
  Levels[4]->AddFraction("Dronen", 1);
  Levels[5]->AddFraction("BringIt Coop", 1);
  Levels[5]->AddEnemy("j_salamander", 4);
  Levels[5]->AddEnemy("t_turtle", 2);
  Levels[6]->AddFraction("Red Army", 1);
  Levels[7]->AddFraction("Elite", 3);
  Levels[7]->AddFraction("Froots", 1);
  Levels[8]->AddFraction("Pirat", 1);
  Levels[8]->AddEnemy("kr_piranha", 2);
  Levels[9]->AddFraction("Freelancer", 1);
  Levels[9]->AddEnemy("j_ironfighter", 3);
  Levels[9]->AddEnemy("js_ant", 2);
  Levels[9]->AddEnemy("t_x1", 2);
  Levels[9]->AddEnemy("kr_shark", 1);
  Levels[10]->AddFraction("Moonlancer", 1);
  Levels[10]->AddEnemy("j_moonsparrow", 2);
  Levels[10]->AddEnemy("js_moonhawk", 2);
  Levels[10]->AddEnemy("kr_mooneagle", 2);
  const std::array<const char*, 10> bonusShips{"js_guanmercque_se", "j_silverhawk_se", "js_dragonfly_se",
                                               "d_dronec1_se",      "t_turtle_se",     "js_ferrarideluxer_se",
                                               "f_darkstar_se",     "kr_piranha_se",   "ko_kail_se",
                                               "ms_eyriese"};
  for (int k = 1; k <= 10; ++k) Levels[static_cast<std::size_t>(10 + k)]->AddEnemy(bonusShips[k - 1], 1);
}

// An exit after ms in the stage, once the game's kill total has reached kills.
void AddTimedExit(TLevel& stage, int ms, const TLevelPtr& next, int kills, Rewards rewards) {
  auto exit = WithRewards(TCondition_leveltime::Create(ms, next), rewards);
  exit->SetAndCondition(TCondition_newkills::Create(kills, nullptr));
  stage.AddCondition(std::move(exit));
}

void AddRegularConditions(int k) {
  const RegularExits& exits = kRegular[static_cast<std::size_t>(k - 1)];
  TLevel& stage = *Levels[static_cast<std::size_t>(k)];
  for (int n = 5; n <= exits.lastMilestone; n += 5)
    stage.AddCondition(WithRewards(TCondition_newkills::Create(n, nullptr), exits.milestone));
  AddTimedExit(stage, 89000, Levels[static_cast<std::size_t>(10 + k)], exits.bonusKills, exits.bonus);
  AddTimedExit(stage, 90000, Levels[static_cast<std::size_t>(k == kLastRegular ? 1 : k + 1)], exits.nextKills,
               exits.next);
}

void AddBonusConditions(int k) {
  TLevel& stage = *Levels[static_cast<std::size_t>(10 + k)];
  stage.AddCondition(WithRewards(TCondition_leveltime::Create(1000, nullptr), {"msg,30 Seconds..."}));
  auto end = WithRewards(TCondition_leveltime::Create(30000, Levels[static_cast<std::size_t>(k + 1)]), {"buddy"});
  end->AddReward("msg,END Bonusstage " + std::to_string(k));
  stage.AddCondition(std::move(end));
}

void AddMothershipConditions() {
  TLevel& stage = *Levels[20];
  const TLevelPtr& first = Levels[1];
  stage.AddCondition(
      WithRewards(TCondition_leveltime::Create(1000, nullptr), {"msg,Mother of all motherships incoming..."}));
  auto kill = WithRewards(TCondition_killshiptype::Create("ms_eyriese", 1),
                          {"msg,GAME END", "msg,STARTS AGAIN WITH STAGE 1", "msg,Got reward",
                           "msg,500 points, 50 hp, 30+20+10 Rockets", "points,500", "bonusship", "bonusgun",
                           "increase rocket capacity,5", "adddifficulty,0.5", "hp,50", "rocket0,30", "rocket1,20",
                           "rocket2,10"});
  kill->SetNextLevel(first);
  stage.AddCondition(std::move(kill));
  stage.AddCondition(WithRewards(TCondition_leveltime::Create(90000, first),
                                 {"msg,GAME END", "msg,STARTS AGAIN WITH STAGE 1", "msg,Got reward",
                                  "msg,300 points", "points,300", "bonusgun", "increase rocket capacity,2",
                                  "adddifficulty,0.5"}));
}

void SetAmbients() {
  for (std::size_t i = 0; i < kHeads.size(); ++i) Levels[i]->Ambient = Ambients[static_cast<std::size_t>(kHeads[i].ambient)];
  // Each bonus stage shows the backdrop of the stage it belongs to.
  for (std::size_t k = 1; k <= 10; ++k) Levels[10 + k]->Ambient = Levels[k]->Ambient;
}

}  // namespace

void CreateStageTable() {
  CreateStages();
  AddEnemies();
  for (int k = 1; k <= kLastRegular; ++k) AddRegularConditions(k);
  for (int k = 1; k <= 9; ++k) AddBonusConditions(k);
  AddMothershipConditions();
  SetAmbients();
}

}  // namespace tolvex
