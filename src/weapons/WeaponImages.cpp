#include "weapons/WeaponImages.h"

#include <string>
#include <string_view>

namespace tolvex {

std::array<ImagePtr, 4> RocketImages;
ImagePtr ShineImage;
std::array<ImagePtr, 2> AutoAimArrows;

namespace {

ImagePtr LoadCentred(std::string_view name) {
  ImagePtr image = LoadImage("incbin::..\\gfx\\" + std::string(name));
  if (image) CentreHandle(image);
  return image;
}

}  // namespace

void LoadWeaponImages() {
  ShineImage = LoadCentred("shine.png");
  RocketImages = {LoadCentred("rocket0.png"), LoadCentred("rocket.png"), LoadCentred("rocket2.png"),
                  LoadCentred("rocket3.png")};
  AutoAimArrows = {LoadCentred("AutoAimArrow.png"), LoadCentred("AutoAimArrow2.png")};
}

void ResetWeaponImages() {
  RocketImages = {};
  ShineImage = nullptr;
  AutoAimArrows = {};
}

}  // namespace tolvex
