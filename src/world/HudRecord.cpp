#include "world/HudRecord.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Graphics.h"

namespace tolvex {

HudFrame& HudShown() {
  static HudFrame frame;
  return frame;
}

void BeginHudFrame(int rocketcounter) {
  HudFrame& frame = HudShown();
  frame.clock = FrameClock;
  frame.rocketAlarm = frame.hpAlarm = false;
  frame.rocketcounter = rocketcounter;
  frame.speedGauge = frame.hpGauge = 0;
  frame.texts.clear();
}

void DrawHudText(std::string_view text, float x, float y) {
  if (text.empty()) return;
  DrawText(text, x, y);
  const DrawState& state = CurrentDrawState();
  HudShown().texts.push_back({std::string(text), x, y, state.r << 16 | state.g << 8 | state.b});
}

std::string IntText(float value) {
  // Beyond the range of a whole number (or not a number) there is nothing sensible to show.
  if (!(std::fabs(value) < 9e18f)) return "0";
  return std::to_string(static_cast<long long>(value));
}

std::string DecimalText(float value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
  std::string text(buffer, end);
  if (text.find('.') == std::string::npos) text += ".0";
  return text;
}

void DumpHud(nlohmann::json& dump) {
  const HudFrame& frame = HudShown();
  if (frame.clock != FrameClock) {
    dump["hud"] = nullptr;
    return;
  }
  auto texts = nlohmann::json::array();
  for (const HudTextLine& line : frame.texts)
    texts.push_back({{"text", Latin1ToUtf8(line.text)}, {"x", line.x}, {"y", line.y}, {"color", line.color}});
  dump["hud"] = {{"rocketAlarm", frame.rocketAlarm},
                 {"hpAlarm", frame.hpAlarm},
                 {"Rocketcounter", frame.rocketcounter},
                 {"speedGauge", frame.speedGauge},
                 {"hpGauge", frame.hpGauge},
                 {"texts", std::move(texts)}};
}

}  // namespace tolvex
