#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>
#include <string>

#include "BuildPaths.h"
#include "content/GunTable.h"
#include "core/Globals.h"
#include "effects/ParticleEffects.h"
#include "effects/ParticleEngine.h"
#include "platform/Sound.h"
#include "support/TempFolder.h"
#include "weapons/TGunInfo.h"
#include "world/TUniverse.h"

namespace tolvex {
namespace {

// The gun table's columns that tests can see, row by row: derived range and worth, fire sound
// (a file of the "sfx" folder), turret pivot, hit effect, and the shot sprite's length and radius.
struct Expected {
  const char* id;
  float reichweite;
  int tacticPoints;
  const char* fireSound;
  int turretYAlign;
  const char* shotExplosion;
  int shotLength;
  int shotRadius;
};

constexpr std::array<Expected, 25> kExpected{{
    {"DL-1000", 2100, 360, "alternatelaser_1c.wav", 20, "SchussExplosion1green", 24, 29},
    {"DL-2500", 2500, 2025, "alternatelaser_1c.wav", 20, "SchussExplosion1green", 24, 29},
    {"DL-3000", 2630, 2454, "alternatelaser_1c.wav", 20, "SchussExplosion1blue", 26, 32},
    {"DL-3500", 2850, 2977, "alternatelaser_1c.wav", 20, "SchussExplosion1red", 26, 32},
    {"DL-4000", 3250, 3720, "alternatelaser_1c.wav", 40, "SchussExplosion1violett", 26, 32},
    {"LGM-300", 800, 18, "retro_laser_loop1.wav", 21, "SchussExplosion1", 9, 13},
    {"LGM-900", 800, 55, "retro_laser_loop2.wav", 21, "SchussExplosion1", 24, 26},
    {"LGO-300", 2800, 91, "alternatelaser_1b.wav", 21, "SchussExplosion1", 16, 17},
    {"LGO-600", 2800, 182, "alternatelaser_1b.wav", 21, "SchussExplosion1", 20, 22},
    {"LGO-800", 2800, 243, "alternatelaser_1b.wav", 21, "SchussExplosion1", 29, 30},
    {"LB-4500", 1700, 259, "alternatelaser_3.wav", 21, "SchussExplosion1", 16, 29},
    {"LGR-1000", 2100, 57, "alternatelaser_1.wav", 21, "SchussExplosion1", 6, 11},
    {"LGR-2000", 2100, 115, "alternatelaser_1.wav", 21, "SchussExplosion1", 18, 21},
    {"LGR-3000", 2100, 120, "alternatelaser_1.wav", 21, "SchussExplosion1", 24, 26},
    {"LGB-800", 2500, 103, "Laser_1.wav", 16, "SchussExplosionLittlePlasma", 24, 27},
    {"LGB-1000", 2500, 129, "Laser_1.wav", 21, "SchussExplosionLittlePlasma", 26, 29},
    {"LGB-1200", 2500, 155, "Laser_1.wav", 21, "SchussExplosionLittlePlasma", 26, 29},
    {"LGBV-1000", 2300, 108, "cocklasersound.wav", 16, "SchussExplosion1violett", 12, 19},
    {"LGBV-1200", 2300, 130, "cocklasersound.wav", 21, "SchussExplosion1violett", 24, 26},
    {"LGBV-1400", 2300, 152, "cocklasersound.wav", 21, "SchussExplosion1violett", 24, 28},
    {"PBT-6000", 4300, 127, "slowlaser.wav", 12, "FeuerPlasma", 11, 15},
    {"D-18000", 3300, 710, "Laser_6.wav", 18, "Feuer", 29, 30},
    {"MG-500", 424, 52, "alternatelaser_1a.wav", 18, "Funken1", 100, 101},
    {"MG-500+", 550, 72, "alternatelaser_1a.wav", 18, "Funken1", 100, 101},
    {"TLY-800", 1000, 182, "shortshot.wav", 20, "SchussExplosionLittlePlasma", 24, 26},
}};

class GunTableTest : public ::testing::Test {
 protected:
  // As at start-up: the hit effects exist before the guns that refer to them.
  void SetUp() override {
    ResetShellGlobals();
    Universe = std::make_unique<TUniverse>();
    ResetParticleEngine();
    CreateParticleEffects();
    TGunInfo::Reset();
    CreateGunTable();
  }
  void TearDown() override {
    TGunInfo::Reset();
    ResetParticleEngine();
  }
};

TEST_F(GunTableTest, HoldsThe25TypesInTableOrderWithTheirColumns) {
  ASSERT_EQ(TGunInfo::GunInfoList().Count(), 25u);
  EXPECT_EQ(TGunInfo::GunInfoMap().size(), 25u);
  const Expected* row = kExpected.data();
  for (const TGunInfoPtr& info : TGunInfo::GunInfoList()) {
    EXPECT_EQ(info->ID, row->id);
    EXPECT_FLOAT_EQ(info->Reichweite, row->reichweite) << row->id;
    EXPECT_EQ(info->Tactic_points, row->tacticPoints) << row->id;
    ASSERT_TRUE(info->ShotImg && info->TurretImg) << row->id;
    EXPECT_EQ(info->ShotImgLength, row->shotLength) << row->id;
    EXPECT_EQ(info->ShotImgRadius, row->shotRadius) << row->id;
    EXPECT_EQ(info->TurretYAlign, row->turretYAlign) << row->id;
    EXPECT_FLOAT_EQ(info->TurretImg->HandleY(), static_cast<float>(row->turretYAlign)) << row->id;
    EXPECT_TRUE(info->ShotExplosion && info->ShotExplosion == TParticleInfo::Get(row->shotExplosion)) << row->id;
    EXPECT_EQ(info->HitSound, nullptr) << row->id;
    ++row;
  }
}

TEST_F(GunTableTest, EveryGunFiresTheSoundItsRowNames) {
  // Each fire sound alone in an "sfx" folder (any of the game's WAVs will do): exactly the rows
  // naming it come out with a sound.
  ASSERT_TRUE(OpenAudio());
  const test::TempFolder folder(test::TempFolder::Enter::Yes);
  std::filesystem::create_directory("sfx");
  std::set<std::string> sounds;
  for (const Expected& row : kExpected) sounds.insert(row.fireSound);
  for (const std::string& sound : sounds) {
    std::filesystem::copy_file(TOLVEX_SFX_DIR "/Laser_1.wav", "sfx/" + sound);
    TGunInfo::Reset();
    CreateGunTable();
    for (const Expected& row : kExpected)
      EXPECT_EQ(TGunInfo::Get(row.id)->FireSound != nullptr, sound == row.fireSound) << row.id << " with " << sound;
    std::filesystem::remove("sfx/" + sound);
  }
  TGunInfo::Reset();
  CloseAudio();
}

TEST_F(GunTableTest, FamiliesShareSpritesButNotFigures) {
  // "LGO-" guns share the turret sprite but not the shot; "DL-1000" and "DL-2500" share both.
  EXPECT_EQ(TGunInfo::Get("LGO-300")->TurretImg->Width(), TGunInfo::Get("LGO-800")->TurretImg->Width());
  EXPECT_NE(TGunInfo::Get("LGO-300")->ShotImg->Height(), TGunInfo::Get("LGO-800")->ShotImg->Height());
  const auto dl1 = TGunInfo::Get("DL-1000"), dl2 = TGunInfo::Get("DL-2500");
  EXPECT_EQ(dl1->ShotImg->Width(), dl2->ShotImg->Width());
  EXPECT_EQ(std::tuple(dl1->Damage, dl1->Reloadtime, dl2->Damage, dl2->Reloadtime), std::tuple(1.0f, 100, 2.5f, 80));
}

}  // namespace
}  // namespace tolvex
