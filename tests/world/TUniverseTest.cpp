// The world container stepping and drawing game objects in list order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {
namespace {

std::vector<std::string> events;

// A game object that records what happens to it and runs a scripted action when it steers.
class Probe : public TGObject {
 public:
  Probe(std::string name, ObjectKind kind) : TGObject(kind), name_(std::move(name)) {}
  static std::shared_ptr<Probe> Make(const std::string& name, ObjectKind kind = ObjectKind::Shot) {
    auto probe = std::make_shared<Probe>(name, kind);
    probe->MeltWithUniverse();
    return probe;
  }
  void Steering() override {
    events.push_back("steer " + name_);
    Y -= 1;
    if (onSteer) onSteer();
  }
  void Draw() override { events.push_back("draw " + name_); }
  void Remove() override {
    events.push_back("remove " + name_);
    TGObject::Remove();
  }
  std::function<void()> onSteer;

 private:
  std::string name_;
};

class TUniverseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    events.clear();
    Universe = std::make_unique<TUniverse>();
  }
  void TearDown() override {
    Universe->Clear();
    Universe.reset();
  }
};

using Names = std::vector<std::string>;

std::vector<TGObject*> WorldOrder() {
  std::vector<TGObject*> order;
  for (const TGObjectPtr& object : TUniverse::WorldList()) order.push_back(object.get());
  return order;
}

TEST_F(TUniverseTest, ShipsComeFirstNewestFirstThenShotsOldestFirst) {
  const auto shot = Probe::Make("shot");
  const TShipPtr ship1 = TShip::New();
  const auto rocket = Probe::Make("rocket", ObjectKind::Rocket);
  const TShipPtr ship2 = TShip::New();
  EXPECT_EQ(WorldOrder(), (std::vector<TGObject*>{ship2.get(), ship1.get(), shot.get(), rocket.get()}));
}

TEST_F(TUniverseTest, ObjectRemovedByAnotherBeforeItsTurnIsNotSteered) {
  auto first = Probe::Make("first");
  auto second = Probe::Make("second");
  first->onSteer = [&] { second->Remove(); };
  Universe->Process();
  EXPECT_EQ(events, (Names{"steer first", "remove second"}));
}

TEST_F(TUniverseTest, ShotFiredDuringSteeringMovesInTheSameFrame) {
  auto ship = Probe::Make("ship");
  std::shared_ptr<Probe> fired;
  ship->onSteer = [&] {
    if (!fired) fired = Probe::Make("fired");
  };
  Universe->Process();
  ASSERT_TRUE(fired);
  EXPECT_EQ(fired->Y, -1);
  EXPECT_EQ(events, (Names{"steer ship", "steer fired"}));
}

TEST_F(TUniverseTest, ShipBuiltDuringAPassIsSteeredFromTheNextFrame) {
  auto shot = Probe::Make("shot");
  TShipPtr ship;
  shot->onSteer = [&] {
    if (ship) return;
    ship = TShip::New();
    ship->KI = kKIEnemy, ship->HP = 100, ship->Mass = 50;
  };
  FrameTime = 10;
  Universe->Process();
  ASSERT_EQ(WorldOrder(), (std::vector<TGObject*>{ship.get(), shot.get()}));
  EXPECT_EQ(ship->KI_LastTargetSearch, 0) << "entered at the front, behind the walk";
  Universe->Process();
  EXPECT_EQ(ship->KI_LastTargetSearch, 10);
}

TEST_F(TUniverseTest, ClearRemovesEachObjectThroughItsOwnRemove) {
  auto a = Probe::Make("a");
  auto b = Probe::Make("b");
  Universe->Clear();
  EXPECT_EQ(events, (Names{"remove a", "remove b"}));
  EXPECT_TRUE(TUniverse::WorldList().Empty());
  EXPECT_EQ(a->Link, nullptr);
}

TEST_F(TUniverseTest, ClearOnAnEmptyWorldAndRemoveOutsideItDoNothing) {
  Universe->Clear();
  EXPECT_TRUE(events.empty());
  auto loose = std::make_shared<Probe>("loose", ObjectKind::Shot);
  loose->TGObject::Remove();
  EXPECT_EQ(loose->Link, nullptr);
  EXPECT_TRUE(TUniverse::WorldList().Empty());
}

TEST_F(TUniverseTest, SelfRemovalDuringSteeringKeepsThePassGoing) {
  auto a = Probe::Make("a");
  auto b = Probe::Make("b");
  Probe::Make("c");
  b->onSteer = [&] { b->Remove(); };
  Universe->Process();
  EXPECT_EQ(events, (Names{"steer a", "steer b", "remove b", "steer c"}));
}

}  // namespace
}  // namespace tolvex
