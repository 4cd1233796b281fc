#include "stages/TLevel.h"

#include "content/TShipInfo.h"
#include "core/Globals.h"
#include "platform/Clock.h"
#include "stages/TCondition.h"
#include "ui/TMessage.h"
#include "world/Spawning.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

TLevelPtr CurrentLevel;
std::vector<TLevelPtr> Levels;

namespace {

constexpr int kFadeMs = 3000;
constexpr std::uint8_t kFadeIn = 1, kFadeOut = 2;
constexpr int kStageNameColor = 0xF4B800;

// Cross-fades from the old stage's backdrop to the new one's; the same backdrop stays as it is.
void SwitchAmbient(const TLevel* old, const TLevel& next) {
  const TAmbientPtr& from = old ? old->Ambient : nullptr;
  const TAmbientPtr& to = next.Ambient;
  if (from == to) return;
  if (from) from->FadeInOut(kFadeOut, kFadeMs);
  if (to) to->FadeInOut(kFadeIn, kFadeMs);
}

int CountEnemies() {
  int count = 0;
  for (const TGObjectPtr& object : TUniverse::WorldList())
    if (object->Kind() == ObjectKind::Ship && static_cast<const TShip&>(*object).KI == kKIEnemy) ++count;
  return count;
}

}  // namespace

std::string TLevel::GetCurrentLevelName() { return CurrentLevel ? CurrentLevel->Name : std::string(); }

TLevelPtr TLevel::Create(std::string name, int maxEnemies) {
  auto stage = std::make_shared<TLevel>();
  stage->Name = std::move(name);
  stage->MaxEnemies = maxEnemies;
  return stage;
}

void TLevel::SetLevel(TLevelPtr stage) {
  if (!stage) {
    if (Levels.empty()) return;
    stage = Levels[0];
  }
  SwitchAmbient(CurrentLevel.get(), *stage);
  CurrentLevel = std::move(stage);
  SetRunningStage(CurrentLevel);
  CurrentLevel->Init();
}

int TLevel::GetBirthTime() { return CurrentLevel ? CurrentLevel->birthtime : 0; }

void TLevel::RunLevels() {
  if (!CurrentLevel) SetLevel(nullptr);
  // Held here: a condition may switch the stage while this one runs.
  if (const TLevelPtr stage = CurrentLevel) stage->Run();
}

void TLevel::Init() {
  birthtime = FrameClock;
  if (Universe) Universe->AllEnemyEscape();
  if (!Name.empty()) TMessage::Add(Name, 5000, 2.0f, kStageNameColor);
  for (const TConditionPtr& condition : conclude) condition->Init();
}

void TLevel::AddEnemy(std::string shipTypeId, int weight) {
  EnemyCollection_ID.push_back(std::move(shipTypeId));
  EnemyCollection_P.push_back(weight);
  totalchance += weight;
}

void TLevel::AddFraction(std::string_view faction, int weight) {
  std::string lower(faction);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  for (const auto& [id, info] : TShipInfo::ShipInfoMap())
    if (info->Fraction == lower) AddEnemy(id, weight);
}

void TLevel::AddCondition(TConditionPtr condition) { conclude.push_back(std::move(condition)); }

void TLevel::Run() {
  if (CountEnemies() < MaxEnemies) NewEnemy();
  if (!Player || Player->Dead) return;
  for (const TConditionPtr& condition : conclude)
    if (condition->Run()) return;
}

void TLevel::NewEnemy() {
  if (totalchance < 1) return;
  const int entry = PickEntry(RandomInt(1, totalchance));
  if (entry >= 0) SpawnEnemy(EnemyCollection_ID[static_cast<std::size_t>(entry)]);
}

int TLevel::PickEntry(int r) const {
  for (std::size_t i = 0; i < EnemyCollection_P.size(); ++i) {
    r -= EnemyCollection_P[i];
    if (r <= 0) return static_cast<int>(i);
  }
  return -1;
}

void TLevel::TellConditions(std::string_view msg) {
  for (const TConditionPtr& condition : conclude) condition->Tell(msg);
}

void ResetStages() {
  CurrentLevel.reset();
  SetRunningStage(nullptr);
  Levels.clear();
}

}  // namespace tolvex
