#pragma once
// A fresh, empty game for weapon tests: steady 10-ms frames, no gun types,
// and hand-made solid sprites so hits depend only on geometry.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Globals.h"
#include "platform/Image.h"
#include "weapons/TGun.h"
#include "weapons/TGunInfo.h"
#include "weapons/TRocket.h"
#include "weapons/TShot.h"
#include "weapons/WeaponImages.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex::testing {

// A fully solid w × h sprite of one colour (0xAARRGGBB) with its handle at (hx, hy).
inline ImagePtr SolidImage(int w, int h, float hx, float hy, std::uint32_t argb = 0xFFFFFFFFu) {
  Pixmap pixmap(w, h);
  for (auto& pixel : pixmap.pixels) pixel = argb;
  ImagePtr image = CreateImageFromPixmap(std::move(pixmap));
  image->SetHandle(hx, hy);
  return image;
}

// A gun type registered by hand: a 4 × 20 shot sprite extending forward from its position.
inline TGunInfoPtr MakeGunType(const std::string& id, float damage, float speed, int liveTime, int reloadtime) {
  auto info = std::make_shared<TGunInfo>();
  info->ID = id;
  info->ShotImg = SolidImage(4, 20, 2, 20);
  info->ShotImgLength = 20;
  info->ShotImgRadius = 21;
  info->Damage = damage;
  info->Speed = speed;
  info->LiveTime = liveTime;
  info->Reloadtime = reloadtime;
  info->Reichweite = TGunInfo::RangeOf(speed, liveTime);
  info->Tactic_points = TGunInfo::TacticPointsOf(damage, speed, liveTime, reloadtime);
  info->Link = TGunInfo::GunInfoList().AddLast(info);
  TGunInfo::GunInfoMap()[id] = info;
  return info;
}

// A ship in the world with a 40 × 40 solid hull centred on (x, y).
inline TShipPtr MakeShip(float x, float y, float hp = 100) {
  TShipPtr ship = TShip::New();
  ship->KI = kKIEnemy;
  ship->X = x;
  ship->Y = y;
  ship->HP = hp;
  ship->HP_max = hp;
  ship->Mass = 10;
  ship->armor = 1;
  ship->Image = SolidImage(40, 40, 20, 20);
  ship->ImageRadius = 28;
  return ship;
}

// Counts the objects of one kind in the world list.
inline int CountInWorld(ObjectKind kind) {
  int n = 0;
  for (const TGObjectPtr& object : TUniverse::WorldList()) n += object->Kind() == kind ? 1 : 0;
  return n;
}

class WeaponsWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellGlobals();
    Universe = std::make_unique<TUniverse>();
    TGunInfo::Reset();
    ResetWeaponImages();
    RocketImages = {SolidImage(6, 16, 3, 8), SolidImage(6, 16, 3, 8), SolidImage(6, 16, 3, 8),
                    SolidImage(6, 16, 3, 8)};
    SetFrame(10);
  }
  // Drops the world without the ships' own removal (no debris, no game over);
  // targets and buddies are let go first so no two ships keep each other alive.
  void TearDown() override {
    for (const TGObjectPtr& object : TUniverse::WorldList()) {
      if (object->Kind() != ObjectKind::Ship) continue;
      auto& ship = static_cast<TShip&>(*object);
      ship.KI_target.reset();
      ship.BuddyList.Clear();
    }
    Universe = std::make_unique<TUniverse>();
    Player.reset();
    TGunInfo::Reset();
    ResetWeaponImages();
  }
  static void SetFrame(int ms) {
    FrameTime = ms;
    FrameRate = 1000.0f / static_cast<float>(ms);
  }
};

}  // namespace tolvex::testing
