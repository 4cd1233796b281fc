#include "effects/TAmbient_Layer.h"

#include <cmath>

#include "core/Globals.h"
#include "effects/TAmbient.h"
#include "platform/Graphics.h"

namespace tolvex {

namespace {

bool Opaque(const Image& image) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if ((image.Pixel(0, x, y) >> 24) != 255) return false;
    }
  }
  return true;
}

}  // namespace

std::shared_ptr<TAmbient_Layer> TAmbient_Layer::Create(TAmbient& ambient, ImagePtr image, int color, float alpha,
                                                       std::uint8_t blend, std::uint8_t level, float z,
                                                       float posX, float posY, bool notTiled, float speedX,
                                                       float speedY) {
  auto layer = std::make_shared<TAmbient_Layer>();
  if (image) {
    const auto w = static_cast<float>(image->Width());
    const auto h = static_cast<float>(image->Height());
    layer->ImageRadius = std::sqrt(w * w + h * h);
    layer->opaque_ = Opaque(*image);
  }
  layer->Image = std::move(image);
  layer->Color = color;
  layer->Alpha = alpha;
  layer->Blend = blend;
  layer->Level = level;
  layer->Z = z;
  layer->Pos = {posX, posY};
  layer->NotTiled = notTiled;
  layer->Speed = {speedX, speedY};
  layer->_link = ambient.Layers.AddLast(layer);
  return layer;
}

void TAmbient_Layer::Process() {
  Pos[0] += Speed[0] / FrameRate;
  Pos[1] += Speed[1] / FrameRate;
}

void TAmbient_Layer::Draw(std::uint8_t level, float viewpower) const {
  if (Level != level || !Image) return;
  const float x = -CameraX / Z + Pos[0];
  const float y = -CameraY / Z + Pos[1];
  if (NotTiled && (x + ImageRadius < 0 || x - ImageRadius > static_cast<float>(GfxWidth) ||
                   y + ImageRadius < 0 || y - ImageRadius > static_cast<float>(GfxHeight))) {
    return;
  }
  const float alpha = Alpha * viewpower;
  SetBlend(DrawnSolid(alpha) ? static_cast<int>(kBlendSolid) : Blend);
  SetColor((Color >> 16) & 255, (Color >> 8) & 255, Color & 255);
  SetAlpha(alpha);
  if (NotTiled) DrawImage(Image, x, y);
  // Whole pixels: tiles at fractional places would leave seams between copies.
  else DrawTiled(Image, std::floor(x), std::floor(y));
  SetBlend(Blend);
}

bool TAmbient_Layer::CoversScreen(std::uint8_t level, float viewpower) const {
  // Tiles fill the viewport; an empty image fills nothing.
  return Level == level && Image && !NotTiled && Image->Width() > 0 && Image->Height() > 0 &&
         DrawnSolid(Alpha * viewpower) && ViewportIsWholeScreen();
}

bool TAmbient_Layer::DrawnSolid(float alpha) const { return opaque_ && Blend == kBlendAlpha && alpha >= 1; }

}  // namespace tolvex
