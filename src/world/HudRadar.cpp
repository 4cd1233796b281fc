// The radar under the rocket arc: every ship, shot and rocket within HUD_RadarRange as a dot,
// coloured by whose side it is on and whom it is after.
#include "core/Helpers.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "weapons/TGun.h"
#include "weapons/TRocket.h"
#include "weapons/TShot.h"
#include "world/HudImages.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

constexpr float kRadarRadius = 95;

void SetGreen() { SetColor(0, 255, 0); }
void SetRed() { SetColor(255, 0, 0); }
void SetYellow() { SetColor(255, 255, 0); }

}  // namespace

void TShip::HUD_DrawRadar(float x, float y) {
  const float range = static_cast<float>(HUD_RadarRange);
  const float k = kRadarRadius / range;
  SetRotation(0);
  SetBlend(kBlendAlpha);
  SetScale(1, 1);
  SetColor(255, 255, 255);
  DrawImage(HudImages.radar, x, y);
  TUniverse::WorldList().PrefetchLinks();
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    const float dist = Distance(X, Y, object->X, object->Y);
    if (!(dist < range)) continue;
    // Dots fade out over the outer half of the range.
    const float alpha = dist > static_cast<float>(HUD_RadarRange / 2) ? 1 - dist / range : 1.0f;
    DrawRadarDot(*object, x + (object->X - X) * k, y + (object->Y - Y) * k, alpha);
  }
  SetBlend(kBlendAlpha);
  SetAlpha(1);
}

// Rockets: ours green, aimed at us red, others yellow. Shots: ours and our wingman's green, the
// enemies' red; a shot whose firer is gone keeps the colour of the dot before it. Ships: ours and
// our wingman green, enemies red while they hunt us and yellow otherwise; our target is ringed.
void TShip::DrawRadarDot(const TGObject& object, float x, float y, float alpha) {
  SetAlpha(alpha);
  switch (object.Kind()) {
    case ObjectKind::Rocket: {
      const auto& rocket = static_cast<const TRocket&>(object);
      if (rocket.Source.get() == this) SetGreen();
      else if (rocket.Target.get() == this) SetRed();
      else SetYellow();
      DrawLine(x, y, x + SinDeg(rocket.Direction), y - CosDeg(rocket.Direction));
      break;
    }
    case ObjectKind::Shot: {
      SetAlpha(0.5f * alpha);
      const auto& shot = static_cast<const TShot&>(object);
      if (const auto firer = shot.Source ? shot.Source->Ship.lock() : nullptr) {
        if (firer.get() == this || IsBuddy(firer.get())) SetGreen();
        else if (firer->KI == kKIEnemy) SetRed();
      }
      Plot(x, y);
      break;
    }
    case ObjectKind::Ship: {
      const auto& ship = static_cast<const TShip&>(object);
      const bool huntsUs = ship.KI_target.get() == this;
      if (&ship == KI_target.get()) {
        if (huntsUs) SetColor(255, 128, 128);
        else SetColor(255, 255, 255);
        DrawRect(x - 1, y - 1, 2, 2);
        if (huntsUs) SetRed();
        else SetYellow();
      } else if (&ship == this || ship.KI == kKIBuddy) {
        SetGreen();
      } else if (ship.KI == kKIEnemy) {
        if (huntsUs) SetRed();
        else SetYellow();
      }
      const float r = static_cast<float>(ship.ImageRadius) * kRadarRadius / static_cast<float>(HUD_RadarRange);
      SetAlpha(0.15f * alpha);
      DrawRect(x - r, y - r, 2 * r, 2 * r);
      SetAlpha(0.25f * alpha);
      DrawRect(x - 2, y - 2, 4, 4);
      SetAlpha(alpha);
      DrawRect(x, y, 1, 1);
      break;
    }
    case ObjectKind::Other: break;
  }
}

}  // namespace tolvex
