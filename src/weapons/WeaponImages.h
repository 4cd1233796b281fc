#pragma once
// The interface images drawn by rockets and turrets.
#include <array>
#include <string_view>

#include "platform/Image.h"

namespace tolvex {

// Sprites of the rocket kinds 0..3 ("rocket0.png", "rocket.png", "rocket2.png", "rocket3.png").
extern std::array<ImagePtr, 4> RocketImages;
// The glow under double-damage shots and rockets ("shine.png").
extern ImagePtr ShineImage;
// The aim-help markers: far ("AutoAimArrow.png") and near ("AutoAimArrow2.png").
extern std::array<ImagePtr, 2> AutoAimArrows;

// An embedded image ("incbin::..\gfx\" + name) with its handle at its centre; null when missing.
ImagePtr LoadCentredGfx(std::string_view name);

// Loads the images above, each with its handle at its centre.
void LoadWeaponImages();
// Forgets them (a fresh game in tests).
void ResetWeaponImages();

}  // namespace tolvex
