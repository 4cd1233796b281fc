#include <gtest/gtest.h>

#include <vector>

#include "WeaponsWorld.h"
#include "weapons/WorldWalk.h"

namespace tolvex::testing {
namespace {

class WorldWalkTest : public WeaponsWorld {
 protected:
  static std::vector<TShip*> Walk() {
    std::vector<TShip*> seen;
    ForEachShip([&](TShip& ship) {
      seen.push_back(&ship);
      return false;
    });
    return seen;
  }
};

TEST_F(WorldWalkTest, ShipsComeNewestFirstAndShotsAreNotShips) {
  const TShipPtr a = MakeShip(0, 0);
  const TShipPtr b = MakeShip(0, 0);
  MakeGunType("G", 1, 1000, 2000, 100);
  TGun::Create(a, 0, 0, "G", 0)->Fire();
  EXPECT_EQ(Walk(), (std::vector<TShip*>{b.get(), a.get()}));
}

TEST_F(WorldWalkTest, ShipsThatLeaveAreSkippedAndNewShipsAreSeenAtOnce) {
  const TShipPtr a = MakeShip(0, 0);
  const TShipPtr b = MakeShip(0, 0);
  EXPECT_EQ(Walk().size(), 2u);
  b->TGObject::Remove();
  EXPECT_EQ(Walk(), (std::vector<TShip*>{a.get()}));
  const TShipPtr c = MakeShip(0, 0);
  EXPECT_EQ(Walk(), (std::vector<TShip*>{c.get(), a.get()}));
}

TEST_F(WorldWalkTest, AFreshWorldStartsEmpty) {
  MakeShip(0, 0);
  EXPECT_EQ(Walk().size(), 1u);
  Universe = std::make_unique<TUniverse>();
  EXPECT_TRUE(Walk().empty());
  const TShipPtr d = MakeShip(0, 0);
  EXPECT_EQ(Walk(), (std::vector<TShip*>{d.get()}));
}

TEST_F(WorldWalkTest, WalkStopsWhenTheVisitorSaysSo) {
  MakeShip(0, 0);
  MakeShip(0, 0);
  int visits = 0;
  ForEachShip([&](TShip&) { return ++visits == 1; });
  EXPECT_EQ(visits, 1);
}

TEST_F(WorldWalkTest, RocketsComeInLaunchOrderWithoutThoseThatLeft) {
  const TShipPtr ship = MakeShip(0, 0);
  const TRocketPtr r1 = TRocket::Create(ship, 0, 100, nullptr, 0);
  const TRocketPtr r2 = TRocket::Create(ship, 0, 100, nullptr, 1);
  const TRocketPtr r3 = TRocket::Create(ship, 0, 100, nullptr, 2);
  r2->Remove();
  std::vector<TRocket*> seen;
  ForEachRocket([&](TRocket& r) {
    seen.push_back(&r);
    return false;
  });
  EXPECT_EQ(seen, (std::vector<TRocket*>{r1.get(), r3.get()}));
}

}  // namespace
}  // namespace tolvex::testing
