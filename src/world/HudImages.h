#pragma once
// The pictures of the head-up display and the game's pointer.
#include "platform/Image.h"

namespace tolvex {

// The HUD's images; the rocket icons are the rockets' own sprites (RocketImages).
struct HudImageSet {
  ImagePtr pointer;          // "Mouse.png": the spinning ring of the game's pointer
  ImagePtr pointerInner;     // "Mouse2.png": its counter-rotating, pulsing inner part
  ImagePtr rocketAlarmSign;  // "rocketalarmsign.png": points at an incoming rocket
  ImagePtr targetArrow;      // "AimPointer.png": circles the ship towards its target
  ImagePtr buddyArrow;       // "BuddyArrow.png": circles the ship towards the wingman
  ImagePtr aimCrossArrow;    // "AimCrossArrow.png": the marks of the aiming line
  ImagePtr radar;            // "Radarimage.png": the radar disc
  ImagePtr speedGauge;       // "HUD_Speed.png": frame 0 empty, frame 1 lit; handle top-left
  ImagePtr hpGauge;          // "HUD_HP.png": frame 0 lit, frame 1 empty; handle top-left
  ImagePtr rocketArc;        // "HUD_Rocket.png": the arc behind the rocket icons
  ImagePtr rocketSelected;   // "HUD_RocketSelected.png": the mark under the selected rocket type
};

extern HudImageSet HudImages;

// Width and height of one frame of the two gauge strips.
inline constexpr int kGaugeWidth = 97, kGaugeHeight = 158;

// Loads the images above (start-up); every one but the gauges turns about its centre.
void LoadHudImages();
// Forgets them (a fresh game in tests).
void ResetHudImages();

}  // namespace tolvex
