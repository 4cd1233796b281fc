// The nearest-thing searches of turrets and rockets, against a plain walk of the world list:
// the first strictly closest ship or rocket that is neither the searcher's own nor a buddy's.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "WeaponsWorld.h"

namespace tolvex::testing {
namespace {

float SquaredGap(const TGObject& a, const TGObject& b) {
  const float dx = a.X - b.X, dy = a.Y - b.Y;
  return dx * dx + dy * dy;
}

// The plain walk: every object of the kind in world-list order, hostile ones only, ties kept.
template <class Hostile>
const TGObject* PlainClosest(const TGObject& from, ObjectKind kind, Hostile hostile) {
  const TGObject* closest = nullptr;
  float best = 0;
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    if (object->Kind() != kind || !hostile(*object)) continue;
    const float d = SquaredGap(*object, from);
    if (!closest || d < best) closest = object.get(), best = d;
  }
  return closest;
}

// Whether a rocket may be shot at by a ship's turrets: neither its own nor a buddy's.
bool HostileRocket(const TShip& ship, const TGObject& rocket) {
  const TShip* source = static_cast<const TRocket&>(rocket).Source.get();
  return source != &ship && !(source && ship.IsBuddy(source));
}

class ClosestSearchTest : public WeaponsWorld {
 protected:
  // A crowd of ships and rockets on a coarse grid, so that many stand equally far apart, with
  // some buddies among the ships and rockets launched by all of them.
  void BuildCrowd(std::mt19937& random) {
    std::uniform_int_distribution<int> cell(-3, 3), pick(0, 99);
    ships_.clear();
    for (int i = 0; i < 12; ++i) ships_.push_back(MakeShip(static_cast<float>(cell(random) * 100), static_cast<float>(cell(random) * 100)));
    for (int i = 0; i < 6; ++i) {
      const TShipPtr& a = ships_[static_cast<std::size_t>(pick(random)) % ships_.size()];
      const TShipPtr& b = ships_[static_cast<std::size_t>(pick(random)) % ships_.size()];
      if (a != b && !a->IsBuddy(b.get())) a->AddBuddy(b);
    }
    for (int i = 0; i < 15; ++i) {
      const TRocketPtr rocket = TRocket::Create(ships_[static_cast<std::size_t>(pick(random)) % ships_.size()], 0, 100, nullptr, 0);
      rocket->X = static_cast<float>(cell(random) * 100);
      rocket->Y = static_cast<float>(cell(random) * 100);
    }
  }
  // Takes every ship and rocket out of the world for the next crowd.
  void ClearCrowd() {
    for (const TShipPtr& ship : ships_) {
      ship->BuddyList.Clear();
      ship->Remove();
    }
    for (const TGObjectPtr& object : TUniverse::WorldList()) object->Remove();
  }
  std::vector<TShipPtr> ships_;
};

TEST_F(ClosestSearchTest, TurretsFindWhatAPlainWalkFinds) {
  std::mt19937 random(17);
  MakeGunType("G", 1, 1000, 2000, 100);
  for (int round = 0; round < 30; ++round) {
    BuildCrowd(random);
    for (const TShipPtr& ship : ships_) {
      const TGunPtr gun = TGun::Create(ship, 0, 0, "G", kGunAntiRocket);
      const TGObject* ship0 = ship.get();
      const auto hostileShip = [&](const TGObject& other) { return &other != ship0 && !ship->IsBuddy(&other); };
      const auto hostileRocket = [&](const TGObject& rocket) { return HostileRocket(*ship, rocket); };
      EXPECT_EQ(gun->KI_GetClosestTarget(), PlainClosest(*ship, ObjectKind::Ship, hostileShip)) << "round " << round;
      EXPECT_EQ(gun->KI_GetClosestRocket(), PlainClosest(*ship, ObjectKind::Rocket, hostileRocket)) << "round " << round;
      gun->Remove();
    }
    ClearCrowd();
  }
}

// Steers first in a world pass (it stands at the front of the world list) and there, where the
// turrets use the rockets' positions taken once for the pass, compares their search with the
// plain walk; then moves a rocket, as one steering later in a pass would, and compares again.
class PassProbe : public TGObject {
 public:
  explicit PassProbe(std::vector<TShipPtr> ships) : ships_(std::move(ships)) {}
  void Steering() override {
    for (int move = 0; move < 2; ++move) {
      for (const TShipPtr& ship : ships_) {
        const TGunPtr gun = ship->TGunList.First();
        const auto hostile = [&](const TGObject& rocket) { return HostileRocket(*ship, rocket); };
        EXPECT_EQ(gun->KI_GetClosestRocket(), PlainClosest(*ship, ObjectKind::Rocket, hostile));
        ++checked;
      }
      // A rocket that steers may move: the positions are taken anew.
      for (TRocket* rocket : TRocket::Flying()) {
        if (!rocket) continue;
        rocket->Steering();
        rocket->X = -rocket->X + 1;
        break;
      }
    }
  }
  void Draw() override {}
  int checked = 0;

 private:
  std::vector<TShipPtr> ships_;
};

TEST_F(ClosestSearchTest, TurretsInAWorldPassFindWhatAPlainWalkFinds) {
  std::mt19937 random(29);
  MakeGunType("G", 1, 1000, 2000, 100);
  for (int round = 0; round < 10; ++round) {
    BuildCrowd(random);
    for (const TShipPtr& ship : ships_) TGun::Create(ship, 0, 0, "G", kGunManual);
    const auto probe = std::make_shared<PassProbe>(ships_);
    probe->Link = TUniverse::WorldList().AddFirst(probe);
    ASSERT_TRUE(TUniverse::WorldList().First() == probe);
    // Only the probe steers: the crowd stays where it was built.
    TUniverse::WorldList().RemoveIf([&](const TGObject& object) { return &object != probe.get() && object.Kind() == ObjectKind::Ship; });
    Universe->Process();
    EXPECT_EQ(probe->checked, 2 * static_cast<int>(ships_.size()));
    probe->Remove();
    ClearCrowd();
  }
}

TEST_F(ClosestSearchTest, RocketsPickWhatAPlainWalkPicks) {
  std::mt19937 random(23);
  std::uniform_int_distribution<int> cell(-3, 3);
  for (int round = 0; round < 30; ++round) {
    BuildCrowd(random);
    for (const TShipPtr& source : ships_) {
      const TRocketPtr rocket = TRocket::Create(source, 0, 100, nullptr, 0);
      rocket->X = static_cast<float>(cell(random) * 100);
      rocket->Y = static_cast<float>(cell(random) * 100);
      const auto hostile = [&](const TGObject& ship) { return &ship != source.get() && !source->IsBuddy(&ship); };
      const TGObject* expected = PlainClosest(*rocket, ObjectKind::Ship, hostile);
      // The search runs when the search time has run out, before the rocket moves.
      rocket->searchtimecounter = 1;
      rocket->Steering();
      EXPECT_EQ(rocket->Target.get(), expected) << "round " << round;
      rocket->Target.reset();
      rocket->Remove();
    }
    ClearCrowd();
  }
}

}  // namespace
}  // namespace tolvex::testing
