#pragma once
// The game's three bitmap fonts, loaded once at start-up.
#include "ui/TVizazIrud.h"

namespace tolvex {

// "font.png": the head-up display and text panels.
extern TVizazIrudPtr GameFont;
// "font2.png": the on-screen messages.
extern TVizazIrudPtr GameFont2;
// "font3.png": the rocket and hit-point alarms.
extern TVizazIrudPtr GameFont3;

// Loads the three embedded fonts (smooth, no extra advance); a font that
// cannot be loaded stays null after its notice.
void LoadGameFonts();
// Forgets the three fonts (and unselects them if one is current).
void ResetGameFonts();
// Makes a font current; a font that failed to load leaves the current one.
void SelectFont(const TVizazIrudPtr& font);

}  // namespace tolvex
