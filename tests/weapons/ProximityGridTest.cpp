#include "weapons/ProximityGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <span>
#include <vector>

namespace tolvex::testing {
namespace {

std::vector<int> NearList(const ProximityGrid& grid, float x, float y) {
  std::vector<int> indices;
  for (const ProximityGrid::Thing& thing : grid.Near(x, y)) indices.push_back(thing.index);
  return indices;
}

TEST(ProximityGrid, ListsTheThingsInReachInTheOrderTheyWereEntered) {
  ProximityGrid grid(100);
  grid.Add(0, 250, 50, 10);   // deep inside cell (2, 0)
  grid.Add(1, 150, 50, 60);   // reaches over into cell (2, 0) from cell (1, 0)
  grid.Add(2, 5000, 50, 10);  // far off
  grid.Add(3, 290, 90, 5);    // near the corner of cell (2, 0)
  grid.Finish();
  ASSERT_TRUE(grid.Usable());
  EXPECT_EQ(NearList(grid, 230, 30), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(NearList(grid, 130, 30), (std::vector<int>{1}));
  EXPECT_EQ(NearList(grid, 5000, 50), (std::vector<int>{2}));
  EXPECT_TRUE(NearList(grid, -700, -700).empty());
}

TEST(ProximityGrid, AThingIsListedOnceEvenWhenItsReachCoversTheWholeTable) {
  ProximityGrid grid(10);
  grid.Add(7, 0, 0, 1.0e6f);
  grid.Add(8, 3, 3, 1);
  grid.Finish();
  EXPECT_EQ(NearList(grid, 1, 1), (std::vector<int>{7, 8}));
  EXPECT_EQ(NearList(grid, -123456, 98765), (std::vector<int>{7}));
}

TEST(ProximityGrid, CellsFarApartMayShareASlotButNeverLoseAThing) {
  ProximityGrid grid(100);
  grid.Add(0, 50, 50, 1);
  grid.Add(1, 50 + 32 * 100, 50, 1);  // one table width away: the same slot
  grid.Add(2, 1.0e30f, -1.0e30f, 1);  // far beyond any battle
  grid.Finish();
  const std::vector<int> home = NearList(grid, 50, 50), far = NearList(grid, 1.0e30f, -1.0e30f);
  EXPECT_TRUE(std::ranges::is_sorted(home) && std::ranges::is_sorted(far));
  EXPECT_EQ(std::ranges::count(home, 0) + std::ranges::count(home, 1), 2);
  EXPECT_EQ(std::ranges::count(far, 2), 1);
}

TEST(ProximityGrid, ThingsThatCannotBePlacedMakeItUnusable) {
  ProximityGrid grid(100);
  grid.Add(0, 0, 0, 10);
  grid.Add(1, std::numeric_limits<float>::quiet_NaN(), 0, 10);
  grid.Finish();
  EXPECT_FALSE(grid.Usable());
  grid.Clear();
  grid.Add(0, 0, 0, std::numeric_limits<float>::infinity());
  grid.Finish();
  EXPECT_FALSE(grid.Usable());
  // A fresh build forgets both the fault and the old things.
  grid.Clear();
  grid.Add(5, 0, 0, 10);
  grid.Finish();
  EXPECT_TRUE(grid.Usable());
  EXPECT_EQ(NearList(grid, 1, 1), (std::vector<int>{5}));
  EXPECT_TRUE(NearList(grid, std::numeric_limits<float>::quiet_NaN(), 0).empty());
}

TEST(ProximityGrid, EveryThingWhoseCircleGrownByTheAskersReachCoversAPointIsListedThereAndReachesIt) {
  constexpr float kAskers = 120;  // the farthest any asker reaches
  std::mt19937 random(3);
  std::uniform_real_distribution<float> position(-3000, 3000), reach(0, 300), askerReach(0, kAskers);
  struct Circle {
    float x, y, reach;
  };
  std::vector<Circle> circles;
  ProximityGrid grid(256);
  for (int i = 0; i < 200; ++i) {
    circles.push_back({position(random), position(random), reach(random)});
    grid.Add(i, circles.back().x, circles.back().y, circles.back().reach, kAskers);
  }
  grid.Finish();
  int covered = 0;
  for (int probe = 0; probe < 3000; ++probe) {
    const float x = position(random), y = position(random), asker = askerReach(random);
    std::vector<int> reaching;
    for (const ProximityGrid::Thing& thing : grid.Near(x, y)) {
      if (thing.Reaches(x, y, asker)) reaching.push_back(thing.index);
    }
    std::vector<int> expected;
    for (int i = 0; i < static_cast<int>(circles.size()); ++i) {
      const Circle& c = circles[static_cast<std::size_t>(i)];
      const float distance = std::hypot(x - c.x, y - c.y);
      if (distance < c.reach + asker) expected.push_back(i);
      // The circle is widened a little for rounding, never more than that.
      if (distance > c.reach + asker + 3) {
        EXPECT_EQ(std::ranges::count(reaching, i), 0) << "probe " << probe;
      }
    }
    EXPECT_TRUE(std::ranges::includes(reaching, expected)) << "probe " << probe;
    covered += !expected.empty();
  }
  EXPECT_GT(covered, 300) << "the probes should often land inside circles";
}

TEST(ProximityGrid, GridsOfOneCellSizeShareTheSlotOfAPoint) {
  // The shots look up their cell once for the ships' grid and the rockets' grid alike.
  std::mt19937 random(11);
  std::uniform_real_distribution<float> position(-5000, 5000), reach(0, 200);
  ProximityGrid ships(128), rockets(128);
  for (int i = 0; i < 60; ++i) ships.Add(i, position(random), position(random), reach(random), 50);
  for (int i = 0; i < 100; ++i) rockets.Add(i, position(random), position(random), reach(random), 20);
  ships.Finish();
  rockets.Finish();
  const auto indices = [](std::span<const ProximityGrid::Thing> things) {
    std::vector<int> list;
    for (const ProximityGrid::Thing& thing : things) list.push_back(thing.index);
    return list;
  };
  int found = 0;
  for (int probe = 0; probe < 2000; ++probe) {
    // Far points too, whose cells wrap around the table.
    const float scale = probe % 10 == 0 ? 1.0e6f : 1.0f;
    const float x = position(random) * scale, y = position(random) * scale;
    const int slot = ships.SlotAt(x, y);
    ASSERT_EQ(slot, rockets.SlotAt(x, y));
    EXPECT_EQ(indices(ships.InSlot(slot)), NearList(ships, x, y)) << "probe " << probe;
    EXPECT_EQ(indices(rockets.InSlot(slot)), NearList(rockets, x, y)) << "probe " << probe;
    found += !rockets.InSlot(slot).empty();
  }
  EXPECT_GT(found, 100) << "the probes should often find rockets";
}

TEST(ProximityGrid, CellsLeftOfAndAboveTheOriginWrapAroundTheTable) {
  // Cell −1 is the table's last column and row, cell −34 its last column but one: nothing is lost
  // or listed twice there.
  ProximityGrid grid(100);
  grid.Add(0, -50, -50, 1);
  grid.Add(1, -3350, 50, 1);
  grid.Finish();
  EXPECT_EQ(NearList(grid, -50, -50), (std::vector<int>{0}));
  EXPECT_EQ(grid.SlotAt(-50, -50), 32 * 32 - 1);
  EXPECT_EQ(grid.SlotAt(-3350, 50), 30);
  EXPECT_EQ(NearList(grid, -3350, 50), (std::vector<int>{1}));
  EXPECT_EQ(grid.SlotAt(3150, 3150), grid.SlotAt(-50, -50));
}

}  // namespace
}  // namespace tolvex::testing
