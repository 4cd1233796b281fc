// A small real fight: ships of the table, their turrets, shots, kills and rewards, frame by frame.
#include "../world/ShipWorldFixture.h"
#include "content/GunTable.h"
#include "content/TShipInfo.h"
#include "weapons/TGunInfo.h"
#include "weapons/WeaponImages.h"
#include "world/DebrisImages.h"
#include "world/PlayerShip.h"

namespace tolvex {
namespace {

class ShipBattle : public ShipWorldTest {
 protected:
  void SetUp() override {
    ShipWorldTest::SetUp();
    TGunInfo::Reset();
    TShipInfo::Reset();
    CreateGunTable();
    LoadWeaponImages();
    LoadDebrisImages();
    CreateShipTable();
  }
  void TearDown() override {
    ShipWorldTest::TearDown();
    ResetDebrisImages();
    ResetWeaponImages();
    TShipInfo::Reset();
    TGunInfo::Reset();
  }
};

TEST_F(ShipBattle, ThePlayerShootsABatDownAndIsPaid) {
  CreateStartingPlayerShip();
  ASSERT_NE(Player, nullptr);
  ASSERT_NE(Player->Image, nullptr) << "the hull images are embedded";
  const TShipPtr bat = TShipInfo::CreateShip("j_bat", nullptr);
  bat->KI = kKIEnemy;
  bat->Y = -300;
  bat->HP = 0.7f;  // no sum of 0.5 and 2.5 damage lands on exactly 0
  // The mouse straight above the screen centre, the fire button held.
  FeedMouseMove(static_cast<float>(GfxWidth / 2), 100);
  ButtonsDown[0] = 1;
  const std::size_t debrisBefore = TBGObject::List().Count();
  for (int frame = 0; frame < 100 && !bat->Dead; ++frame) Tick(10);
  ButtonsDown[0] = 0;
  EXPECT_TRUE(bat->Dead);
  EXPECT_FALSE(InWorld(bat));
  EXPECT_EQ(Player->Kills, 1);
  EXPECT_EQ(Player->Points, 10.0f) << "the bat's \"points,10\"";
  EXPECT_GT(TBGObject::List().Count(), debrisBefore) << "the bat burst into debris";
  Tick(10);
  EXPECT_EQ(Player->KI_target, nullptr) << "nothing left to aim at";
}

TEST_F(ShipBattle, EnemyTurretsFindThePlayerWithoutHelp) {
  CreateStartingPlayerShip();
  const TShipPtr bat = TShipInfo::CreateShip("j_bat", nullptr);
  bat->KI = kKIEnemy;
  bat->Y = -400;
  const float hp = Player->HP;
  for (int frame = 0; frame < 200; ++frame) Tick(10);
  EXPECT_EQ(bat->KI_target, Player);
  EXPECT_LT(Player->HP, hp) << "the bat's laser reached the player";
}

}  // namespace
}  // namespace tolvex
