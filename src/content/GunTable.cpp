#include "content/GunTable.h"

#include <array>
#include <string>

#include "effects/TParticleInfo.h"
#include "platform/Diagnostics.h"
#include "weapons/TGunInfo.h"

namespace tolvex {

namespace {

// One row of the gun table, in the argument order of TGunInfo::Create.
struct GunRow {
  const char* id;
  const char* turretImage;
  int turretYAlign;
  const char* shotImage;
  const char* shotExplosion;
  float damage;
  float speed;
  int liveTime;
  int reloadtime;
  const char* fireSound;
};

constexpr std::array<GunRow, 25> kGunRows{{
    {"DL-1000", "LaserturretDoublegreen.png", 20, "LaserDoublegreen.png", "SchussExplosion1green", 1.0f, 1000, 2000, 100, "sfx\\alternatelaser_1c.wav"},
    {"DL-2500", "LaserturretDoublegreen.png", 20, "LaserDoublegreen.png", "SchussExplosion1green", 2.5f, 1200, 2000, 80, "sfx\\alternatelaser_1c.wav"},
    {"DL-3000", "LaserturretDoubleblue.png", 20, "LaserDoubleblue.png", "SchussExplosion1blue", 3.0f, 1150, 2200, 80, "sfx\\alternatelaser_1c.wav"},
    {"DL-3500", "LaserturretDoublered.png", 20, "LaserDoublered.png", "SchussExplosion1red", 3.5f, 1100, 2500, 80, "sfx\\alternatelaser_1c.wav"},
    {"DL-4000", "LaserturretDoubleviolett.png", 40, "LaserDoubleviolett.png", "SchussExplosion1violett", 4.0f, 1050, 3000, 80, "sfx\\alternatelaser_1c.wav"},
    {"LGM-300", "LaserturretMagenta1.png", 21, "LaserMagentaShort.png", "SchussExplosion1", 0.3f, 700, 1000, 120, "sfx\\retro_laser_loop1.wav"},
    {"LGM-900", "LaserturretMagenta2.png", 21, "LaserMagenta.png", "SchussExplosion1", 0.9f, 700, 1000, 120, "sfx\\retro_laser_loop2.wav"},
    {"LGO-300", "LaserturretOrange.png", 21, "LaserOrange300.png", "SchussExplosion1", 0.3f, 900, 3000, 120, "sfx\\alternatelaser_1b.wav"},
    {"LGO-600", "LaserturretOrange.png", 21, "LaserOrange600.png", "SchussExplosion1", 0.6f, 900, 3000, 120, "sfx\\alternatelaser_1b.wav"},
    {"LGO-800", "LaserturretOrange.png", 21, "LaserOrange800.png", "SchussExplosion1", 0.8f, 900, 3000, 120, "sfx\\alternatelaser_1b.wav"},
    {"LB-4500", "Lavabladeturretn.png", 21, "Lavablade.png", "SchussExplosion1", 4.5f, 800, 2000, 200, "sfx\\alternatelaser_3.wav"},
    {"LGR-1000", "LaserturretRed1.png", 21, "LaserRed1000.png", "SchussExplosion1", 1.0f, 1000, 2000, 250, "sfx\\alternatelaser_1.wav"},
    {"LGR-2000", "LaserturretRed1.png", 21, "LaserRed2000.png", "SchussExplosion1", 2.0f, 1000, 2000, 250, "sfx\\alternatelaser_1.wav"},
    {"LGR-3000", "LaserturretRed.png", 21, "LaserRed3000.png", "SchussExplosion1", 3.0f, 1000, 2000, 300, "sfx\\alternatelaser_1.wav"},
    {"LGB-800", "LaserturretBlue1.png", 16, "LaserBlue2.png", "SchussExplosionLittlePlasma", 0.8f, 1200, 2000, 200, "sfx\\Laser_1.wav"},
    {"LGB-1000", "LaserturretBlue2.png", 21, "LaserBlue.png", "SchussExplosionLittlePlasma", 1.0f, 1200, 2000, 200, "sfx\\Laser_1.wav"},
    {"LGB-1200", "LaserturretBlue3.png", 21, "LaserBlue.png", "SchussExplosionLittlePlasma", 1.2f, 1200, 2000, 200, "sfx\\Laser_1.wav"},
    {"LGBV-1000", "LaserturretPurple1.png", 16, "LaserPurple1.png", "SchussExplosion1violett", 1.0f, 1100, 2000, 200, "sfx\\cocklasersound.wav"},
    {"LGBV-1200", "LaserturretPurple2.png", 21, "LaserPurple2.png", "SchussExplosion1violett", 1.2f, 1100, 2000, 200, "sfx\\cocklasersound.wav"},
    {"LGBV-1400", "LaserturretPurple3.png", 21, "LaserPurple3.png", "SchussExplosion1violett", 1.4f, 1100, 2000, 200, "sfx\\cocklasersound.wav"},
    {"PBT-6000", "LaserturretBlueBall.png", 12, "LaserBlueBall.png", "FeuerPlasma", 6.0f, 700, 6000, 500, "sfx\\slowlaser.wav"},
    {"D-18000", "LaserturretDestructor.png", 18, "LaserDestructor.png", "Feuer", 5.0f, 800, 4000, 180, "sfx\\Laser_6.wav"},
    {"MG-500", "LaserturretMG.png", 18, "LaserMG.png", "Funken1", 0.5f, 1800, 180, 100, "sfx\\alternatelaser_1a.wav"},
    {"MG-500+", "LaserturretMG2.png", 18, "LaserMG.png", "Funken1", 0.5f, 1800, 250, 100, "sfx\\alternatelaser_1a.wav"},
    {"TLY-800", "LaserturretYellow.png", 20, "LaserYellow.png", "SchussExplosionLittlePlasma", 0.8f, 900, 1000, 80, "sfx\\shortshot.wav"},
}};

std::string Embedded(const char* name) { return std::string("incbin::..\\gfx\\") + name; }

}  // namespace

void CreateGunTable() {
  for (const GunRow& row : kGunRows) {
    // No gun type has a hit sound.
    TGunInfo::Create(row.id, Embedded(row.turretImage), row.turretYAlign, Embedded(row.shotImage),
                     TParticleInfo::Get(row.shotExplosion), row.damage, row.speed, row.liveTime, row.reloadtime,
                     row.fireSound, "");
  }
  if constexpr (kWriteGunWorthReport) TGunInfo::DEBUG_WriteWorth("Waffeninfo.txt");
  WriteDebugLine("Insgesamt " + std::to_string(TGunInfo::GunInfoList().Count()) + " Waffen geladen.");
}

}  // namespace tolvex
