// The HUD's instruments around the radar: the rocket arc, the speed and hit-point gauges, and the
// bonus timers in the top-right corner.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "weapons/WeaponImages.h"
#include "world/HudImages.h"
#include "world/HudRecord.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

// Degrees between two slots of the rocket arc: 13 steps over 90°, three slots per rocket type.
constexpr float kRocketSlot = 2 * 45 / 13.0f;
constexpr float kRocketRadius = 120, kSelectedRadius = 105;

// How full a gauge is drawn. A ship pushed past its top speed shows a full gauge: the lit frame's
// window would otherwise slide up and leave the bottom of the gauge dark.
float GaugeFraction(float value, float full) { return full > 0 ? std::clamp(value / full, 0.0f, 1.0f) : 0.0f; }

// A gauge strip at x0 on the bottom edge, filled from the bottom in proportion to f: the filled
// frame shows below the level, the empty frame above it.
void DrawGauge(const ImagePtr& strip, int x0, float f, int emptyFrame, int filledFrame) {
  const int top = GfxHeight - kGaugeHeight;
  const float left = static_cast<float>(x0);
  SetColor(255, 255, 255);
  SetViewport(x0, top, kGaugeWidth, static_cast<int>((1 - f) * kGaugeHeight));
  DrawImage(strip, left, static_cast<float>(top), emptyFrame);
  SetViewport(x0, static_cast<int>(static_cast<float>(GfxHeight) - kGaugeHeight * f), kGaugeWidth, kGaugeHeight);
  DrawImage(strip, left, static_cast<float>(top), filledFrame);
  SetViewport(0, 0, GfxWidth, GfxHeight);
}

}  // namespace

// Each rocket type owns three slots of the arc from −45° to +45°: up to three icons are drawn one
// per slot, centred in the type's slots; more show as one icon with the count beside it.
void TShip::HUD_DrawRockets() {
  SetBlend(kBlendAlpha);
  SetAlpha(1);
  SetColor(255, 255, 255);
  const float cx = static_cast<float>(GfxWidth / 2), cy = static_cast<float>(GfxHeight - 100);
  DrawImage(HudImages.rocketArc, cx, static_cast<float>(GfxHeight - 208));
  for (int type = 0; type < 4; ++type) {
    const int n = Rockets[type];
    if (n <= 0) continue;
    const int icons = n < 4 ? n : 1;
    // Three icons start in the first slot, two half a slot later, one in the middle slot.
    float a = (3 * type + (n < 4 ? (5 - n) / 2.0f : 1.5f)) * kRocketSlot - 45;
    for (int k = 0; k < icons; ++k, a += kRocketSlot) {
      const float sinA = SinDeg(a), cosA = CosDeg(a);
      SetRotation(a);
      DrawImage(RocketImages[type], cx + kRocketRadius * sinA, cy - kRocketRadius * cosA);
      if (n >= 4) DrawHudText(std::to_string(n), cx + kRocketRadius * sinA + 10, cy - kRocketRadius * cosA);
      if (k == 0 && SelectedRockets == type)
        DrawImage(HudImages.rocketSelected, cx + kSelectedRadius * sinA, cy - kSelectedRadius * cosA);
    }
  }
}

void TShip::HUD_DrawSpeed() {
  SetBlend(kBlendLight);
  SetColor(100, 100, 255);
  SetScale(1, 1);
  const std::string text = IntText(Speed);
  DrawHudText(text, static_cast<float>(GfxWidth / 2 - 115) - TextWidth(text) / 2,
              static_cast<float>(GfxHeight - 172));
  const float f = GaugeFraction(Speed, Enginespeed);
  HudShown().speedGauge = f;
  DrawGauge(HudImages.speedGauge, GfxWidth / 2 - 147, f, 0, 1);
}

// The number shows the hit points rounded up, centred as if they were cut down.
void TShip::HUD_DrawHP() {
  SetBlend(kBlendLight);
  SetColor(100, 255, 100);
  SetScale(1, 1);
  DrawHudText(IntText(std::ceil(HP)), static_cast<float>(GfxWidth / 2 + 115) - TextWidth(IntText(HP)) / 2,
              static_cast<float>(GfxHeight - 172));
  const float f = GaugeFraction(HP, HP_max);
  HudShown().hpGauge = f;
  DrawGauge(HudImages.hpGauge, GfxWidth / 2 + 50, f, 1, 0);
}

void TShip::HUD_DrawBoni() {
  SetBlend(kBlendLight);
  const float x = static_cast<float>(GfxWidth - 200);
  float y = 10;
  SetColor(255, 0, 0);
  if (BONUS_Doubledamage > 0) {
    DrawHudText("DoubleDamage: " + IntText(std::ceil(static_cast<float>(BONUS_Doubledamage) / 1000)), x, 10);
    y = 30;
  }
  SetColor(0, 0, 255);
  if (BONUS_Shield > 0) DrawHudText("Shield: " + IntText(std::ceil(static_cast<float>(BONUS_Shield) / 1000)), x, y);
  SetColor(255, 255, 255);
}

}  // namespace tolvex
