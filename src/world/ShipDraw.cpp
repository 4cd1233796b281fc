// Drawing a ship: the hull, the shield glow after a hit, and the turrets on top.
#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Graphics.h"
#include "weapons/TGun.h"
#include "world/TShip.h"

namespace tolvex {

void TShip::Draw() {
  if (!IsOnScreen(X, Y, ImageRadius)) return;
  const float sx = X - CameraX, sy = Y - CameraY;
  SetBlend(kBlendAlpha);
  SetRotation(Rotation);
  SetColor(255, 255, 255);
  SetAlpha(1);
  if (Image) DrawImage(Image, sx, sy);
  if (BONUS_Shield != 0 && Image) {
    SetBlend(kBlendLight);
    SetColor(0, 100, 255);
    SetAlpha(shieldhit);
    SetScale(1 + 0.1f * shieldhit, 1 + 0.1f * shieldhit);
    DrawImage(Image, sx, sy);
    SetScale(1 + 0.2f * shieldhit, 1 + 0.2f * shieldhit);
    DrawImage(Image, sx, sy);
    SetAlpha(1);
    SetBlend(kBlendAlpha);
    SetScale(1, 1);
    SetColor(255, 255, 255);
  }
  // The hull's rotation stays set for the turrets.
  for (const auto& gun : TGunList) gun->Draw();
}

}  // namespace tolvex
