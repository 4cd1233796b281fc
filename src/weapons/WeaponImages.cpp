#include "weapons/WeaponImages.h"

#include <string>
#include <string_view>

namespace tolvex {

std::array<ImagePtr, 4> RocketImages;
ImagePtr ShineImage;
std::array<ImagePtr, 2> AutoAimArrows;

ImagePtr LoadCentredGfx(std::string_view name) {
  ImagePtr image = LoadImage("incbin::..\\gfx\\" + std::string(name));
  if (image) CentreHandle(image);
  return image;
}

void LoadWeaponImages() {
  ShineImage = LoadCentredGfx("shine.png");
  RocketImages = {LoadCentredGfx("rocket0.png"), LoadCentredGfx("rocket.png"), LoadCentredGfx("rocket2.png"),
                  LoadCentredGfx("rocket3.png")};
  AutoAimArrows = {LoadCentredGfx("AutoAimArrow.png"), LoadCentredGfx("AutoAimArrow2.png")};
}

void ResetWeaponImages() {
  RocketImages = {};
  ShineImage = nullptr;
  AutoAimArrows = {};
}

}  // namespace tolvex
