// The ship catalogue: the table, building and rebuilding ships, radius, the design report.
#include <cmath>

#include "../world/ShipWorldFixture.h"
#include "content/GunTable.h"
#include "content/ShipTableRows.h"
#include "content/TShipInfo.h"
#include "effects/ParticleEffects.h"
#include "effects/ParticleEngine.h"
#include "platform/Files.h"
#include "shell/DebugSpawn.h"
#include "weapons/TGun.h"
#include "weapons/TGunInfo.h"
#include "world/PlayerShip.h"

namespace tolvex {
namespace {

class ShipCatalogue : public ShipWorldTest {
 protected:
  void SetUp() override {
    ShipWorldTest::SetUp();
    ResetParticleEngine();
    TGunInfo::Reset();
    TShipInfo::Reset();
    // In start-up order: explosions and hit effects, then guns, then ships.
    CreateParticleEffects();
    CreateGunTable();
    CreateShipTable();
  }
  void TearDown() override {
    ShipWorldTest::TearDown();
    TShipInfo::Reset();
    TGunInfo::Reset();
    ResetParticleEngine();
  }

  static std::vector<std::string> GunIds(const TShip& ship) {
    std::vector<std::string> ids;
    for (const auto& gun : ship.TGunList) ids.push_back(gun->Info->ID);
    return ids;
  }

  static std::size_t WorldCount() { return TUniverse::WorldList().Count(); }
};

TEST_F(ShipCatalogue, TheTableHoldsFiftyTwoTypesByExactId) {
  EXPECT_EQ(TShipInfo::ShipInfoMap().size(), 52u);
  EXPECT_NE(TShipInfo::Get("kr_Hornet"), nullptr);
  EXPECT_EQ(TShipInfo::Get("kr_hornet"), nullptr);
  EXPECT_EQ(TShipInfo::Get("t_turtle")->Fraction, "bringit coop");
  const auto eyrie = TShipInfo::Get("ms_eyriese");
  EXPECT_EQ(eyrie->Reward_List.back(), "telldeath,ms_eyriese");
  EXPECT_EQ(eyrie->Gun_List.size(), 7u);
  EXPECT_EQ(eyrie->Engine_Power, 80.0f);
  const auto striver = TShipInfo::Get("t_striver");
  ASSERT_EQ(striver->Gun_List.size(), 3u);
  EXPECT_EQ(striver->Gun_List[1].xalign, striver->Gun_List[2].xalign);
  EXPECT_EQ(striver->Gun_List[1].yalign, striver->Gun_List[2].yalign);
  EXPECT_FLOAT_EQ(TShipInfo::Get("f_acteon")->Armor, 1.2f);
  EXPECT_EQ(TShipInfo::Get("ms_coloss")->Reward_List.size(), 5u);
}

TEST_F(ShipCatalogue, EveryTypeBuildsWithHullExplosionAndTheMountsOfItsRow) {
  // A ship without a hull image can never be hit; one without explosion dies unseen.
  for (const ShipTypeRow& row : kShipTable) {
    const TShipPtr ship = TShipInfo::CreateShip(row.id, nullptr);
    ASSERT_NE(ship, nullptr) << row.id;
    EXPECT_TRUE(ship->Image && ship->ImageRadius > 0) << row.id;
    EXPECT_TRUE(ship->Explosion && ship->Explosion == TParticleInfo::Get(row.explosion)) << row.id;
    ASSERT_EQ(ship->TGunList.Count(), row.mounts().size()) << row.id;
    const ShipMountRow* mount = row.mounts().data();
    for (const auto& gun : ship->TGunList) {
      ASSERT_NE(gun->Info, nullptr) << row.id << " mounts " << mount->gun;
      EXPECT_EQ(std::tuple(gun->Info->ID, gun->Relative_x, gun->Relative_y, gun->KI_Level),
                std::tuple(std::string(mount->gun), mount->x, mount->y, mount->ki))
          << row.id << " mount " << mount - row.mounts().data();
      ++mount;
    }
  }
}

TEST_F(ShipCatalogue, ANewBatHasItsStatedValues) {
  const TShipPtr bat = TShipInfo::CreateShip("j_bat", nullptr);
  ASSERT_NE(bat, nullptr);
  EXPECT_EQ(bat->Name, "Bat");
  EXPECT_EQ(bat->id, "j_bat");
  EXPECT_EQ(bat->HP, 100.0f);
  EXPECT_EQ(bat->HP_max, 100.0f);
  EXPECT_EQ(bat->armor, 1.0f);
  EXPECT_EQ(bat->Mass, 50.0f);
  EXPECT_EQ(bat->Enginepower, 28.0f);
  EXPECT_EQ(bat->Enginespeed, 12.0f);
  EXPECT_EQ(bat->Rockets, (std::array<int, 4>{3, 0, 0, 0}));
  EXPECT_EQ(bat->RocketCapacity, (std::array<int, 4>{30, 20, 10, 5}));
  EXPECT_EQ(bat->Reward_List, std::vector<std::string>{"points,10"});
  ASSERT_EQ(GunIds(*bat), std::vector<std::string>{"LGM-900"});
  const auto gun = bat->TGunList.First();
  EXPECT_EQ(gun->Relative_x, 2.0f);
  EXPECT_EQ(gun->Relative_y, 6.0f);
  EXPECT_EQ(gun->KI_Level, 5);
  EXPECT_TRUE(InWorld(bat));
}

TEST_F(ShipCatalogue, RebuildKeepsMoreHitPointsButLiftsFewer) {
  CreatePlayerShip("pj_modernx");
  const TShipPtr player = Player;
  player->HP = 200;
  CreatePlayerShip("pj_darkstar_se");
  EXPECT_EQ(Player, player) << "rebuilt in place";
  EXPECT_EQ(player->HP, 200.0f);
  player->HP = 60;
  CreatePlayerShip("pj_darkx");
  CreatePlayerShip("pj_darkstar_se");
  EXPECT_EQ(player->HP, 160.0f);
  EXPECT_EQ(player->HP_max, 160.0f);
}

TEST_F(ShipCatalogue, RebuildKeepsStockScoreAndPlaceButReplacesGuns) {
  CreatePlayerShip("pj_modernx");
  const TShipPtr player = Player;
  player->Rockets = {7, 6, 5, 4};
  player->Points = 1234;
  player->Kills = 9;
  player->X = 321;
  player->Y = -55;
  player->Speed_x = 3;
  RunRewardCommand("bonusgun");
  EXPECT_EQ(GunIds(*player), (std::vector<std::string>{"MG-500", "MG-500", "DL-3000"}));
  const std::size_t objects = WorldCount();
  RunRewardCommand("bonusship");
  EXPECT_EQ(player->id, "pj_darkstar_se");
  EXPECT_EQ(player->Name, "Darkstar SE");
  EXPECT_EQ(player->Rockets, (std::array<int, 4>{7, 6, 5, 4}));
  EXPECT_EQ(player->Points, 1234.0f);
  EXPECT_EQ(player->Kills, 9);
  EXPECT_EQ(player->X, 321.0f);
  EXPECT_EQ(player->Y, -55.0f);
  EXPECT_EQ(player->Speed_x, 3.0f);
  EXPECT_EQ(player->Enginepower, 60.0f);
  EXPECT_EQ(GunIds(*player), (std::vector<std::string>{"MG-500+", "MG-500+", "DL-2500"}));
  EXPECT_EQ(WorldCount(), objects) << "no second ship";
  EXPECT_EQ(Messages().back(), "New ship: Darkstar SE");
}

TEST_F(ShipCatalogue, BonusShipLadderEndsAtDarkX) {
  CreatePlayerShip("pj_darkstar_se");
  RunRewardCommand("bonusship");
  EXPECT_EQ(Player->id, "pj_darkx");
  EXPECT_EQ(Messages().back(), "New ship: Dark X");
  EXPECT_EQ(MessageColor("New ship: Dark X"), 0xFF0701);
  RunRewardCommand("bonusship");
  EXPECT_EQ(Player->id, "pj_darkx");
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ShipCatalogue, BonusGunClimbsToDL4000) {
  CreatePlayerShip("pj_modernx");
  RunRewardCommand("bonusgun");
  EXPECT_EQ(BonusGunLevel, 2);
  const auto gun = Player->TGunList.Last();
  EXPECT_EQ(gun->Info->ID, "DL-3000");
  EXPECT_EQ(gun->Relative_x, 0.0f);
  EXPECT_EQ(gun->Relative_y, 15.0f);
  EXPECT_EQ(gun->KI_Level, 0);
  RunRewardCommand("bonusgun");
  RunRewardCommand("bonusgun");
  RunRewardCommand("bonusgun");
  EXPECT_EQ(BonusGunLevel, 5);
  EXPECT_EQ(GunIds(*Player), (std::vector<std::string>{"MG-500", "MG-500", "DL-4000"}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"New gun: DL-3000", "New gun: DL-3500", "New gun: DL-4000"}));
}

TEST_F(ShipCatalogue, UnknownTypesBuildNothing) {
  const std::size_t objects = WorldCount();
  EXPECT_EQ(TShipInfo::CreateShip("no_such_ship", nullptr), nullptr);
  EXPECT_EQ(WorldCount(), objects);
}

TEST_F(ShipCatalogue, ATakenIdIsRefusedAndARenamedTypeMovesItsKey) {
  const TShipInfoPtr copy = TShipInfo::Create();
  copy->setIdandName("j_bat", "Impostor", "Nobody");
  EXPECT_EQ(TShipInfo::Get("j_bat")->Name, "Bat");
  EXPECT_TRUE(copy->ID.empty());
  const TShipInfoPtr bat = TShipInfo::Get("j_bat");
  bat->setIdandName("j_bat2", "Bat Two", "NASA");
  EXPECT_EQ(TShipInfo::Get("j_bat"), nullptr);
  EXPECT_EQ(TShipInfo::Get("j_bat2"), bat);
  EXPECT_EQ(TShipInfo::ShipInfoMap().size(), 52u);
}

TEST_F(ShipCatalogue, RadiusIsHalfTheDiagonalWithHalvesRoundedUp) {
  EXPECT_NEAR(TShipInfo::RadiusOf(41, 30), std::sqrt(21.0f * 21 + 15 * 15), 1e-4f);
  Pixmap picture(41, 30);
  ASSERT_TRUE(SavePicturePng(picture, "hull.png", 5));
  const TShipInfoPtr info = TShipInfo::Create();
  info->setIdandName("test_hull", "Hull", "Tests");
  info->SetImage("hull.png");
  ASSERT_NE(info->Image, nullptr);
  EXPECT_NEAR(info->ImageRadius, 25.807f, 1e-3f);
  EXPECT_EQ(info->Image->HandleY(), 15.0f) << "the handle sits at the centre";
  info->SetMass(10);
  const TShipPtr ship = TShipInfo::CreateShip("test_hull", nullptr);
  EXPECT_EQ(ship->ImageRadius, 25);
  EXPECT_EQ(ship->Image, info->Image);
}

TEST_F(ShipCatalogue, DesignReportListsEveryTypeWithItsFigures) {
  TShipInfo::Reset();
  const TShipInfoPtr info = TShipInfo::Create();
  info->setIdandName("test_ship", "Test Ship", "Tests");
  info->SetEngine(15, 16);
  info->SetMass(50);
  info->SetHP(100);
  info->SetArmor(2);
  info->ImageRadius = 25;
  info->AddGun("DL-1000", 0, 0, 5);
  TShipInfo::DEBUG_WriteWorth("report.txt");
  GameFilePtr file = ReadFile("report.txt");
  ASSERT_NE(file, nullptr);
  std::vector<std::string> lines;
  while (!file->Eof()) lines.push_back(file->ReadLine());
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(lines[0], "Schiffsprofil: Test Ship");
  EXPECT_EQ(lines[1], "Waffenkraft: 360");
  EXPECT_EQ(lines[2], "Trefferfl\xE4" "che: 49");
  EXPECT_EQ(lines[3], "Wendigkeit: 187");
  EXPECT_EQ(lines[4], "Hp: 100");
  EXPECT_EQ(lines[5], "Taktischer Nutzwert: 2735");
  EXPECT_EQ(lines[6], "");
}

TEST_F(ShipCatalogue, ANewGameStartsInAModernX) {
  FrameClock = 0;  // a game started in the program's first frame
  CreateStartingPlayerShip();
  ASSERT_NE(Player, nullptr);
  EXPECT_EQ(Player->id, "pj_modernx");
  EXPECT_TRUE(Player->AimHelp);
  EXPECT_EQ(Player->RocketAutoReloadTime[3], 10000);
  EXPECT_EQ(Player->KI, kKIPlayer);
  EXPECT_EQ(Player->Rockets, (std::array<int, 4>{3, 2, 1, 0}));
  Tick(16);
  EXPECT_EQ(Player->Rockets, (std::array<int, 4>{3, 2, 1, 1})) << "the first type-3 rocket comes with the first frame";
  for (int i = 0; i < 624; ++i) Tick(16);
  EXPECT_EQ(Player->Rockets[3], 1) << "the next one only after 10 s";
  Tick(16);
  Tick(16);
  EXPECT_EQ(Player->Rockets[3], 2);
}

TEST_F(ShipCatalogue, ANewGameForgetsTheLastGamesIdleTime) {
  PlayerIdleTime = 4990;  // the last game ended with the player standing still
  CreateStartingPlayerShip();
  const auto enemy = TShipInfo::CreateShip("j_bat", nullptr);
  enemy->KI = kKIEnemy;
  enemy->X = 20000;
  Tick(16);
  for (const auto& object : TUniverse::WorldList())
    EXPECT_NE(object->Kind(), ObjectKind::Rocket) << "no volley of rockets in the first frame";
  EXPECT_EQ(PlayerIdleTime, 16);
}

TEST_F(ShipCatalogue, DebugSpawnPutsEnemiesOnARingAroundThePlayer) {
  EXPECT_EQ(ParseSpawnList("j_bat,,kr_shark,"), (std::vector<std::string>{"j_bat", "kr_shark"}));
  EXPECT_TRUE(ParseSpawnList("").empty());
  CreateStartingPlayerShip();
  Player->X = 100;
  Player->Y = 200;
  SpawnShipsAroundPlayer({"j_bat", "nonsense", "kr_shark"}, 900);
  int enemies = 0;
  for (const auto& object : TUniverse::WorldList()) {
    const auto& ship = static_cast<const TShip&>(*object);
    if (object->Kind() != ObjectKind::Ship || ship.KI != kKIEnemy) continue;
    ++enemies;
    EXPECT_NEAR(std::hypot(ship.X - 100, ship.Y - 200), 900.0f, 0.01f) << ship.id;
  }
  EXPECT_EQ(enemies, 2);
}

}  // namespace
}  // namespace tolvex
