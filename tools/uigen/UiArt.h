#pragma once

#include <string>

namespace tolvex::art {

// Logo.png (loading screen), Logo2a.png and Logo2b.png (corner emblem and its glow).
void writeLogos(const std::string& dir);

// OptionBG.png, the menu sphere, the five glowing button labels and the menu pointer.
void writeMenuArt(const std::string& dir);

// The speed and hit-point gauges, the rocket arc and its selection mark, the radar disc.
void writeHudArt(const std::string& dir);

// Aim and buddy arrows, auto-aim arrows, the rocket alarm sign, the spinning pointer and shine.png.
void writePointers(const std::string& dir);

}  // namespace tolvex::art
