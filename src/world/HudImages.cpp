#include "world/HudImages.h"

#include <string>

#include "weapons/WeaponImages.h"

namespace tolvex {

HudImageSet HudImages;

namespace {

ImagePtr LoadGauge(const char* name) {
  return LoadImageStrip("incbin::..\\gfx\\" + std::string(name), kGaugeWidth, kGaugeHeight, 0, 2);
}

}  // namespace

void LoadHudImages() {
  HudImages = HudImageSet{
      .pointer = LoadCentredGfx("Mouse.png"),
      .pointerInner = LoadCentredGfx("Mouse2.png"),
      .rocketAlarmSign = LoadCentredGfx("rocketalarmsign.png"),
      .targetArrow = LoadCentredGfx("AimPointer.png"),
      .buddyArrow = LoadCentredGfx("BuddyArrow.png"),
      .aimCrossArrow = LoadCentredGfx("AimCrossArrow.png"),
      .radar = LoadCentredGfx("Radarimage.png"),
      .speedGauge = LoadGauge("HUD_Speed.png"),
      .hpGauge = LoadGauge("HUD_HP.png"),
      .rocketArc = LoadCentredGfx("HUD_Rocket.png"),
      .rocketSelected = LoadCentredGfx("HUD_RocketSelected.png"),
  };
}

void ResetHudImages() { HudImages = HudImageSet{}; }

}  // namespace tolvex
