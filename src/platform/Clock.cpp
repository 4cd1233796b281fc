#include "platform/Clock.h"

#include <SDL.h>

#include <cmath>
#include <ctime>
#include <numbers>

namespace tolvex {

namespace {

struct ClockState {
  int stepMs = 0;  // 0: the real clock
  int steppedNow = 0;
};

ClockState& TheClock() {
  static ClockState clock;
  return clock;
}

RandomSource& Generator() {
  static RandomSource generator;
  return generator;
}

// 1 Jan 2026 00:00:00 UTC, where the calendar of stepped runs starts.
constexpr std::time_t kSteppedEpoch = 1767225600;

constexpr float kRadiansPerDegree = std::numbers::pi_v<float> / 180.0f;

}  // namespace

int ClockMs() {
  const auto& clock = TheClock();
  return clock.stepMs > 0 ? clock.steppedNow : static_cast<int>(SDL_GetTicks());
}

void UseSteppedClock(int stepMs) {
  TheClock().stepMs = stepMs;
  TheClock().steppedNow = 0;
}

void AdvanceClock() {
  auto& clock = TheClock();
  if (clock.stepMs > 0) clock.steppedNow += clock.stepMs;
}

DateTime CurrentDateTime() {
  const auto& clock = TheClock();
  std::tm parts{};
  if (clock.stepMs > 0) {
    const std::time_t when = kSteppedEpoch + clock.steppedNow / 1000;
    gmtime_r(&when, &parts);
  } else {
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &parts);
  }
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

void WaitForClockAfter(int ms) {
  if (TheClock().stepMs > 0) return;
  while (ClockMs() == ms) SDL_Delay(1);
}

int RandomSource::Int(int a, int b) {
  if (a > b) std::swap(a, b);
  return std::uniform_int_distribution<int>(a, b)(generator_);
}

float RandomSource::Float(float a, float b) {
  if (a > b) std::swap(a, b);
  if (a == b) return a;
  const float value = std::uniform_real_distribution<float>(a, b)(generator_);
  return value < b ? value : a;  // the float distribution may round up to b
}

void SeedRandom(std::uint32_t seed) { Generator().Seed(seed); }
int RandomInt(int a, int b) { return Generator().Int(a, b); }
float RandomFloat(float a, float b) { return Generator().Float(a, b); }

float SinDeg(float degrees) { return std::sin(degrees * kRadiansPerDegree); }
float CosDeg(float degrees) { return std::cos(degrees * kRadiansPerDegree); }
float ATan2Deg(float y, float x) { return std::atan2(y, x) / kRadiansPerDegree; }

}  // namespace tolvex
