#pragma once
// What the head-up display showed in its last frame, so state dumps and tests read what the player read.
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace tolvex {

// One text the HUD drew: top-left corner and colour (0xRRGGBB).
struct HudTextLine {
  std::string text;
  float x = 0, y = 0;
  int color = 0;
};

// The HUD's last frame.
struct HudFrame {
  // FrameClock of the frame it was drawn in; -1 before the first.
  int clock = -1;
  bool rocketAlarm = false;
  bool hpAlarm = false;
  // Rocket-frames that homed on the player since the frame before.
  int rocketcounter = 0;
  // How full the speed and hit-point gauges were drawn, 0..1.
  float speedGauge = 0, hpGauge = 0;
  // In the order they were drawn.
  std::vector<HudTextLine> texts;
};

// The HUD's last frame.
HudFrame& HudShown();
// Starts recording a new HUD frame.
void BeginHudFrame(int rocketcounter);
// Draws text with the current drawing state and records it with the current colour; "" is skipped.
void DrawHudText(std::string_view text, float x, float y);
// A number as the HUD writes it: truncated towards zero.
std::string IntText(float value);
// A number written in full as a decimal ("2.0", "6012.3457").
std::string DecimalText(float value);

// Writes "hud" into a dump: the HUD's alarms, rocket counter, gauges and texts of the frame just
// drawn, or null when the HUD was not drawn in it.
void DumpHud(nlohmann::json& dump);

}  // namespace tolvex
