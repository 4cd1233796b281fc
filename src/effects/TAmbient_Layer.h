#pragma once
// One layer of a space backdrop: a tiled or single image that moves with a
// fraction of the camera's movement and may scroll by itself.
#include <array>
#include <cstdint>
#include <memory>

#include "core/TList.h"
#include "platform/Image.h"

namespace tolvex {

class TAmbient;

class TAmbient_Layer {
 public:
  // Builds a layer with these values and appends it to the ambient's layers.
  static std::shared_ptr<TAmbient_Layer> Create(TAmbient& ambient, ImagePtr image, int color, float alpha,
                                                std::uint8_t blend, std::uint8_t level, float z, float posX,
                                                float posY, bool notTiled, float speedX, float speedY);
  // Scrolls the layer by its speed for one frame.
  void Process();
  // Draws the layer if it belongs to this drawing pass, faded by viewpower.
  void Draw(std::uint8_t level, float viewpower) const;

  ImagePtr Image;
  // Full diagonal of the image; the culling margin of a single image.
  float ImageRadius = 0;
  float Alpha = 1;
  // Tint as 0xRRGGBB.
  int Color = 0xFFFFFF;
  std::uint8_t Blend = 3;
  std::uint8_t Level = 0;
  // Parallax divisor: the layer moves by 1/Z of the camera's movement.
  float Z = 1;
  std::shared_ptr<TLink<TAmbient_Layer>> _link;
  bool NotTiled = false;
  std::array<float, 2> Pos{};
  // Scrolling in pixels per second.
  std::array<float, 2> Speed{};

  // True when drawing this layer at `level` paints every pixel of the screen opaque: what lay
  // beneath it cannot be seen.
  bool CoversScreen(std::uint8_t level, float viewpower) const;

 private:
  // Drawn fully visible, an opaque image is copied instead of blended.
  bool DrawnSolid(float alpha) const;

  // Every pixel of the image is opaque: drawn fully visible with alpha blending it is a
  // plain copy, which the renderer does much faster.
  bool opaque_ = false;
};

}  // namespace tolvex
