#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "WeaponsWorld.h"
#include "support/TempFolder.h"

namespace tolvex::testing {
namespace {

namespace fs = std::filesystem;

class GunInfoTest : public WeaponsWorld {
 protected:
  void SetUp() override {
    WeaponsWorld::SetUp();
    turret_ = WritePng("turret.png", 16, 27);
    shot_ = WritePng("shot.png", 10, 100);
  }
  std::string WritePng(const std::string& name, int w, int h) {
    Pixmap picture(w, h);
    for (auto& pixel : picture.pixels) pixel = 0xFF00FF00u;
    const fs::path path = folder_ / name;
    EXPECT_TRUE(SavePicturePng(picture, path.string(), 5));
    return path.string();
  }
  TGunInfoPtr CreateType(const std::string& id, float damage = 1, float speed = 1000, int live = 2000,
                         int reload = 100) {
    return TGunInfo::Create(id, turret_, 20, shot_, nullptr, damage, speed, live, reload, "", "");
  }
  std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  const test::TempFolder temp_;
  const fs::path folder_ = temp_.Path();
  std::string turret_, shot_;
};

TEST_F(GunInfoTest, CreateMeasuresTheSpritesAndSetsTheirHandles) {
  const TGunInfoPtr info = CreateType("MG-500");
  ASSERT_TRUE(info->TurretImg);
  ASSERT_TRUE(info->ShotImg);
  EXPECT_FLOAT_EQ(info->TurretImg->HandleX(), 8);
  EXPECT_FLOAT_EQ(info->TurretImg->HandleY(), 20);
  EXPECT_EQ(info->ShotImgLength, 100);
  EXPECT_EQ(info->ShotImgRadius, 101);  // ceil(sqrt(100² + 10²)) = ceil(100.499)
  EXPECT_FLOAT_EQ(info->ShotImg->HandleX(), 5);
  EXPECT_FLOAT_EQ(info->ShotImg->HandleY(), 100);
}

TEST_F(GunInfoTest, DerivesRangeAndTacticalWorth) {
  const TGunInfoPtr info = CreateType("DL-1000", 1, 1000, 2000, 100);
  EXPECT_FLOAT_EQ(info->Reichweite, 2100);
  // 0.6 × 0.3 × 2 × 1 × 1000
  EXPECT_EQ(info->Tactic_points, 360);
  // 60000 div 7 = 8571 shots a minute, an integer division before the halving by 2000.
  // 8.571428 × (8571 / 2000 = 4.2855) × 1 × 1 × 1000 = 36732.6; 60000 / 7 undivided would give 36734.
  EXPECT_EQ(TGunInfo::TacticPointsOf(1, 1000, 1000, 7), 36732);
}

TEST_F(GunInfoTest, GunWithoutReloadTimeHasNoWorthAndAReport) {
  CreateType("Z", 1, 1000, 2000, 0);
  EXPECT_EQ(TGunInfo::DEBUG_GetTacticPoints("Z"), 0);
  const fs::path report = folder_ / "zero.txt";
  TGunInfo::DEBUG_WriteWorth(report.string());
  EXPECT_NE(ReadAll(report).find("Frequenz: 0\r\n"), std::string::npos);
}

TEST_F(GunInfoTest, RegistryKeepsCreationOrderAndTheLastTypeOfAnId) {
  const TGunInfoPtr first = CreateType("A", 1);
  CreateType("B", 2);
  const TGunInfoPtr again = CreateType("A", 3);
  EXPECT_EQ(TGunInfo::GunInfoList().Count(), 3u);
  std::vector<std::string> order;
  for (const TGunInfoPtr& info : TGunInfo::GunInfoList()) order.push_back(info->ID);
  EXPECT_EQ(order, (std::vector<std::string>{"A", "B", "A"}));
  EXPECT_EQ(TGunInfo::Get("A"), again);
  // The worth lookup takes the first type in the list with that ID.
  EXPECT_EQ(TGunInfo::DEBUG_GetTacticPoints("A"), first->Tactic_points);
  EXPECT_NE(first->Tactic_points, again->Tactic_points);
}

TEST_F(GunInfoTest, UnknownIdsYieldNothing) {
  CreateType("MG-500+");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(TGunInfo::Get("MG-500"), nullptr);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error: TGunInfo\\Function Get(): No match on ID MG-500\n");
  EXPECT_EQ(TGunInfo::Get("mg-500+"), nullptr);
  EXPECT_EQ(TGunInfo::DEBUG_GetTacticPoints("MG-500"), 0);
}

TEST_F(GunInfoTest, MissingTurretImageStillRegistersTheType) {
  const TGunInfoPtr info =
      TGunInfo::Create("X", (folder_ / "none.png").string(), 20, shot_, nullptr, 1, 1000, 2000, 100, "", "");
  EXPECT_EQ(info->TurretImg, nullptr);
  EXPECT_EQ(TGunInfo::Get("X"), info);
  EXPECT_EQ(info->FireSound, nullptr);
  EXPECT_EQ(info->HitSound, nullptr);
}

TEST_F(GunInfoTest, WorthReportListsEveryTypeWithCrLf) {
  CreateType("DL-1000", 1, 1000, 2000, 100);
  CreateType("MG-500", 0.5f, 1800, 180, 100);
  const fs::path report = folder_ / "Waffeninfo.txt";
  TGunInfo::DEBUG_WriteWorth(report.string());
  EXPECT_EQ(ReadAll(report),
            "Waffenprofil: DL-1000\r\nSchaden/Minute: 600\r\nGeschwindigkeit: 1000 p/sec\r\nFrequenz: 600\r\n"
            "Reichweite: 2000\r\nTaktische Punktzahl: 360\r\n\r\n"
            "Waffenprofil: MG-500\r\nSchaden/Minute: 300\r\nGeschwindigkeit: 1800 p/sec\r\nFrequenz: 600\r\n"
            "Reichweite: 324\r\nTaktische Punktzahl: 52\r\n\r\n");
}

TEST_F(GunInfoTest, WorthReportIntoAMissingFolderWritesNothing) {
  CreateType("DL-1000");
  const fs::path report = folder_ / "no" / "such" / "Waffeninfo.txt";
  TGunInfo::DEBUG_WriteWorth(report.string());
  EXPECT_FALSE(fs::exists(report));
}

}  // namespace
}  // namespace tolvex::testing
