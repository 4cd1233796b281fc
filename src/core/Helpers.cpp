#include "core/Helpers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"

namespace tolvex {

float Distance(float x1, float y1, float x2, float y2) { return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2)); }

float AngleTo(float x1, float y1, float x2, float y2) {
  return std::fmod(ATan2Deg(y2 - y1, x2 - x1) + 450.0f, 360.0f);
}

bool IsOnScreen(float x, float y, int margin) {
  const float sx = x - CameraX, sy = y - CameraY;
  return !(sx + margin < 0 || sx - margin > GfxWidth || sy + margin < 0 || sy - margin > GfxHeight);
}

namespace {

// The text after leading blanks and a "+" sign (from_chars reads "-" itself but not "+").
std::string_view NumberStart(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

}  // namespace

int TextToInt(std::string_view text) {
  text = NumberStart(text);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    return text.front() == '-' ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
  }
  if (error != std::errc()) return 0;
  return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

float TextToFloat(std::string_view text) {
  text = NumberStart(text);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || !(std::abs(value) <= std::numeric_limits<float>::max())) return 0.0f;
  return static_cast<float>(value);
}

void SetColorRGB(int rgb) { SetColor((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255); }

// v = distance from the screen centre / (2 × screen width): silent beyond two
// screen widths, so fights just off screen are still heard, faintly.
float SoundAttenuation(int dx, int dy, int screenWidth) {
  const float squared = static_cast<float>(dx) * dx + static_cast<float>(dy) * dy;
  return std::sqrt(squared) / (2.0f * static_cast<float>(screenWidth));
}

void PlaySoundAt(const SoundPtr& sound, int x, int y) {
  const int dx = static_cast<int>(x - CameraX - GfxWidth / 2);
  const int dy = static_cast<int>(y - CameraY - GfxHeight / 2);
  const float v = SoundAttenuation(dx, dy, GfxWidth);
  if (v >= 1.0f) return;
  const Channel channel = PlaySound(sound);
  SetChannelVolume(channel, (1.0f - v) * SfxVolume);
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      utf8.push_back(c);
    } else {
      utf8.push_back(static_cast<char>(0xC0 | code >> 6));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return utf8;
}

}  // namespace tolvex
