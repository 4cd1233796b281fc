#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "content/GunTable.h"
#include "core/Globals.h"
#include "weapons/TGunInfo.h"
#include "world/TUniverse.h"

namespace tolvex {
namespace {

// The derived columns and sprite sizes of the gun table, row by row.
struct Expected {
  const char* id;
  float reichweite;
  int tacticPoints;
  int shotLength;
  int shotRadius;
};

constexpr std::array<Expected, 25> kExpected{{
    {"DL-1000", 2100, 360, 24, 29},    {"DL-2500", 2500, 2025, 24, 29},   {"DL-3000", 2630, 2454, 26, 32},
    {"DL-3500", 2850, 2977, 26, 32},   {"DL-4000", 3250, 3720, 26, 32},   {"LGM-300", 800, 18, 9, 13},
    {"LGM-900", 800, 55, 24, 26},      {"LGO-300", 2800, 91, 16, 17},     {"LGO-600", 2800, 182, 20, 22},
    {"LGO-800", 2800, 243, 29, 30},    {"LB-4500", 1700, 259, 16, 29},    {"LGR-1000", 2100, 57, 6, 11},
    {"LGR-2000", 2100, 115, 18, 21},   {"LGR-3000", 2100, 120, 24, 26},   {"LGB-800", 2500, 103, 24, 27},
    {"LGB-1000", 2500, 129, 26, 29},   {"LGB-1200", 2500, 155, 26, 29},   {"LGBV-1000", 2300, 108, 12, 19},
    {"LGBV-1200", 2300, 130, 24, 26},  {"LGBV-1400", 2300, 152, 24, 28},  {"PBT-6000", 4300, 127, 11, 15},
    {"D-18000", 3300, 710, 29, 30},    {"MG-500", 424, 52, 100, 101},     {"MG-500+", 550, 72, 100, 101},
    {"TLY-800", 1000, 182, 24, 26},
}};

class GunTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellGlobals();
    Universe = std::make_unique<TUniverse>();
    TGunInfo::Reset();
    CreateGunTable();
  }
  void TearDown() override { TGunInfo::Reset(); }
};

TEST_F(GunTableTest, HoldsThe25TypesInTableOrder) {
  ASSERT_EQ(TGunInfo::GunInfoList().Count(), 25u);
  std::size_t row = 0;
  for (const TGunInfoPtr& info : TGunInfo::GunInfoList()) EXPECT_EQ(info->ID, kExpected[row++].id);
  EXPECT_EQ(TGunInfo::GunInfoMap().size(), 25u);
}

TEST_F(GunTableTest, DerivedRangeAndWorthEqualTheTable) {
  for (const Expected& row : kExpected) {
    const TGunInfoPtr info = TGunInfo::Get(row.id);
    ASSERT_TRUE(info) << row.id;
    EXPECT_FLOAT_EQ(info->Reichweite, row.reichweite) << row.id;
    EXPECT_EQ(info->Tactic_points, row.tacticPoints) << row.id;
    EXPECT_EQ(TGunInfo::DEBUG_GetTacticPoints(row.id), row.tacticPoints) << row.id;
  }
}

TEST_F(GunTableTest, ShotSpritesGiveLengthAndRadius) {
  for (const Expected& row : kExpected) {
    const TGunInfoPtr info = TGunInfo::Get(row.id);
    ASSERT_TRUE(info->ShotImg) << row.id;
    ASSERT_TRUE(info->TurretImg) << row.id;
    EXPECT_EQ(info->ShotImgLength, row.shotLength) << row.id;
    EXPECT_EQ(info->ShotImgRadius, row.shotRadius) << row.id;
    EXPECT_FLOAT_EQ(info->TurretImg->HandleY(), static_cast<float>(info->TurretYAlign)) << row.id;
  }
}

TEST_F(GunTableTest, IdsAreComparedExactly) {
  const TGunInfoPtr mg = TGunInfo::Get("MG-500");
  const TGunInfoPtr mgPlus = TGunInfo::Get("MG-500+");
  ASSERT_TRUE(mg && mgPlus);
  EXPECT_NE(mg, mgPlus);
  EXPECT_EQ(mg->LiveTime, 180);
  EXPECT_EQ(mgPlus->LiveTime, 250);
  EXPECT_EQ(TGunInfo::Get("dl-1000"), nullptr);
}

TEST_F(GunTableTest, SharedSpritesAndDifferentFigures) {
  const auto dl1 = TGunInfo::Get("DL-1000"), dl2 = TGunInfo::Get("DL-2500");
  EXPECT_EQ(dl1->Damage, 1.0f);
  EXPECT_EQ(dl2->Damage, 2.5f);
  EXPECT_EQ(dl1->Reloadtime, 100);
  EXPECT_EQ(dl2->Reloadtime, 80);
  EXPECT_EQ(dl1->ShotImgLength, dl2->ShotImgLength);
  const auto o3 = TGunInfo::Get("LGO-300"), o8 = TGunInfo::Get("LGO-800");
  EXPECT_EQ(o3->TurretImg->Width(), o8->TurretImg->Width());
  EXPECT_NE(o3->ShotImgLength, o8->ShotImgLength);
  EXPECT_EQ(TGunInfo::Get("PBT-6000")->Reloadtime, 500);
  EXPECT_EQ(TGunInfo::Get("TLY-800")->Reloadtime, 80);
  EXPECT_EQ(TGunInfo::Get("LGM-300")->Damage, 0.3f);
  for (const TGunInfoPtr& info : TGunInfo::GunInfoList()) EXPECT_EQ(info->HitSound, nullptr) << info->ID;
}

}  // namespace
}  // namespace tolvex
