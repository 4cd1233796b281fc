#pragma once
// A fresh game world with no stages, for stage tests: frames run only the stage runner, so the
// test decides every kill and point itself.
#include "../world/ShipWorldFixture.h"
#include "../world/WorldCleanup.h"
#include "content/TShipInfo.h"
#include "effects/TAmbient.h"
#include "stages/Conditions.h"
#include "stages/TLevel.h"

namespace tolvex {

class StageTest : public ShipWorldTest {
 protected:
  void SetUp() override {
    ShipWorldTest::SetUp();
    ResetStages();
    TAmbient::ResetActiveList();
    TShipInfo::Reset();
  }
  void TearDown() override {
    ForgetShipReferences();
    ResetStages();
    TAmbient::ResetActiveList();
    TShipInfo::Reset();
    ShipWorldTest::TearDown();
  }

 public:
  // One frame of the stage runner after ms milliseconds.
  static void StageFrame(int ms = 10) {
    SetFrame(ms);
    FrameClock += ms;
    TLevel::RunLevels();
  }

  // Runs stage frames until the clock has moved on by ms.
  static void RunFor(int ms, int step = 100) {
    for (int t = 0; t < ms; t += step) StageFrame(step);
  }

  // A bare ship type without guns or image, registered under id.
  static void RegisterType(const std::string& id, std::string_view faction) {
    const TShipInfoPtr info = TShipInfo::Create();
    info->setIdandName(id, id, faction);
    info->SetMass(50);
    info->SetEngine(15, 16);
    info->SetHP(50);
  }

  static int EnemiesInWorld() {
    int count = 0;
    for (const auto& object : TUniverse::WorldList())
      if (object->Kind() == ObjectKind::Ship && static_cast<const TShip&>(*object).KI == kKIEnemy) ++count;
    return count;
  }

  // The stage table's first entry is the menu stage; tests that need one build it here.
  static TLevelPtr AddStage(std::string name, int maxEnemies) {
    Levels.push_back(TLevel::Create(std::move(name), maxEnemies));
    return Levels.back();
  }
};

}  // namespace tolvex
