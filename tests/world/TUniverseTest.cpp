// The world container stepping and drawing game objects in list order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/Globals.h"
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
  void MeltWithUniverse() override {
    // Ships go to the front of the world, everything else to the back.
    if (Kind() == ObjectKind::Ship) Link = TUniverse::WorldList().AddFirst(shared_from_this());
    else TGObject::MeltWithUniverse();
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

TEST_F(TUniverseTest, ShipsComeFirstNewestFirstThenShotsOldestFirst) {
  Probe::Make("shot1");
  Probe::Make("ship1", ObjectKind::Ship);
  Probe::Make("rocket1", ObjectKind::Rocket);
  Probe::Make("ship2", ObjectKind::Ship);
  Universe->Draw();
  EXPECT_EQ(events, (Names{"draw ship2", "draw ship1", "draw shot1", "draw rocket1"}));
}

TEST_F(TUniverseTest, ObjectRemovedByAnotherBeforeItsTurnIsNotSteered) {
  auto ship = Probe::Make("ship", ObjectKind::Ship);
  auto shot = Probe::Make("shot");
  ship->onSteer = [&] { shot->Remove(); };
  Universe->Process();
  EXPECT_EQ(events, (Names{"steer ship", "remove shot"}));
}

TEST_F(TUniverseTest, ShotFiredDuringSteeringMovesInTheSameFrame) {
  auto ship = Probe::Make("ship", ObjectKind::Ship);
  std::shared_ptr<Probe> fired;
  ship->onSteer = [&] {
    if (!fired) fired = Probe::Make("fired");
  };
  Universe->Process();
  ASSERT_TRUE(fired);
  EXPECT_EQ(fired->Y, -1);
  EXPECT_EQ(events, (Names{"steer ship", "steer fired"}));
}

TEST_F(TUniverseTest, ShipBuiltDuringAPassIsDrawnButSteeredNextFrame) {
  auto shot = Probe::Make("shot");
  std::shared_ptr<Probe> ship;
  shot->onSteer = [&] {
    if (!ship) ship = Probe::Make("newship", ObjectKind::Ship);
  };
  Universe->Process();
  Universe->Draw();
  EXPECT_EQ(events, (Names{"steer shot", "draw newship", "draw shot"}));
}

TEST_F(TUniverseTest, ClearRemovesEachObjectThroughItsOwnRemove) {
  auto a = Probe::Make("a", ObjectKind::Ship);
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
