#include <gtest/gtest.h>

#include "WeaponsWorld.h"
#include "platform/Clock.h"

namespace tolvex::testing {
namespace {

// Whole behaviours in the world pass: everything steers in list order, frame after frame.
class CombatWorldTest : public WeaponsWorld {
 protected:
  void SetUp() override {
    WeaponsWorld::SetUp();
    SeedRandom(7);
  }
  // Runs world passes until done() or the frame limit; returns the frames run.
  template <class Done>
  static int RunUntil(Done done, int limit) {
    for (int frame = 1; frame <= limit; ++frame) {
      Universe->Process();
      if (done()) return frame;
    }
    return limit + 1;
  }
};

TEST_F(CombatWorldTest, RocketHomesOnACrossingShip) {
  const TShipPtr shooter = MakeShip(0, 0);
  const TShipPtr target = MakeShip(800, 0, 1000);
  target->Speed_y = 2;  // crossing downwards at 140 px/s
  // A plasma rocket launched 45° off turns in and chases the ship down.
  TRocket::Create(shooter, 45, 100, target, 0);
  const int frames = RunUntil([&] { return target->HP < 1000; }, 300);
  EXPECT_LE(frames, 300);
  EXPECT_FLOAT_EQ(target->HP, 970);
  EXPECT_EQ(CountInWorld(ObjectKind::Rocket), 0);
  EXPECT_FLOAT_EQ(shooter->HP, 103);  // healed by a tenth of the damage
}

TEST_F(CombatWorldTest, TurretShotsReachAndDamageATargetShip) {
  const TShipPtr shooter = MakeShip(0, 0);
  const TShipPtr target = MakeShip(0, -600, 1000);
  MakeGunType("DL-T", 2, 1000, 2000, 100);
  TGun::Create(shooter, 0, 0, "DL-T", kGunLead);
  shooter->KI_target = target;
  const int frames = RunUntil([&] { return target->HP < 1000; }, 200);
  // The first shot leaves after 100 ms and needs about 0.6 s to fly the distance.
  EXPECT_GE(frames, 60);
  EXPECT_LE(frames, 100);
  EXPECT_LT(target->HP, 1000);
}

}  // namespace
}  // namespace tolvex::testing
