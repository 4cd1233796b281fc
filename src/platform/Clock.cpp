#include "platform/Clock.h"

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <exception>
#include <numbers>

namespace tolvex {

namespace {

struct ClockState {
  bool stepped = false;
  int stepMs = 0;
  int now = 0;
  bool read = false;  // the real clock has been read at least once
  bool held = false;
  // How far the real clock is ahead of the game's: the time it was held.
  int heldMs = 0;
};

ClockState& TheClock() {
  static ClockState clock;
  return clock;
}

RandomSource& Generator() {
  static RandomSource generator;
  return generator;
}

std::uint32_t lastSeed = 12345u;

// 1 Jan 2026 00:00:00 UTC, where the calendar of stepped runs starts.
constexpr std::time_t kSteppedEpoch = 1767225600;

constexpr float kRadiansPerDegree = std::numbers::pi_v<float> / 180.0f;

}  // namespace

int RealClockMs() { return static_cast<int>(SDL_GetTicks()); }

int ClockMs() {
  auto& clock = TheClock();
  if (!clock.stepped && !clock.read) RefreshClock();
  return clock.now;
}

void UseSteppedClock(int stepMs, int startMs) {
  auto& clock = TheClock();
  clock = ClockState{};
  clock.stepped = stepMs > 0;
  clock.stepMs = stepMs;
  clock.now = startMs;
}

void SetClockStep(int stepMs) { TheClock().stepMs = stepMs; }

void AdvanceClock() {
  auto& clock = TheClock();
  if (clock.held) return;
  if (clock.stepped) clock.now += clock.stepMs;
  else RefreshClock();
}

void RefreshClock() {
  auto& clock = TheClock();
  if (clock.stepped || clock.held) return;
  clock.now = RealClockMs() - clock.heldMs;
  clock.read = true;
}

void HoldClock(bool held) {
  auto& clock = TheClock();
  if (clock.held == held) return;
  clock.held = held;
  // The real clock went on meanwhile; the game's goes on from where it stood.
  if (!held && !clock.stepped) clock.heldMs = RealClockMs() - clock.now;
}

bool ClockHeld() { return TheClock().held; }

DateTime CurrentDateTime() {
  const auto& clock = TheClock();
  std::tm parts{};
  if (clock.stepped) {
    const std::time_t when = kSteppedEpoch + clock.now / 1000;
    gmtime_r(&when, &parts);
  } else {
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &parts);
  }
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::int64_t SecondsSinceEpoch(const DateTime& when) {
  using namespace std::chrono;
  const sys_days date = year(when.year) / month(static_cast<unsigned>(when.month)) / day(static_cast<unsigned>(when.day));
  return date.time_since_epoch().count() * std::int64_t{86400} + when.hour * 3600 + when.minute * 60 + when.second;
}

void WaitForClockAfter(int ms) {
  const auto& clock = TheClock();
  if (clock.stepped) return;
  while (RealClockMs() - clock.heldMs == ms) SDL_Delay(1);
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

void SeedRandom(std::uint32_t seed) {
  Generator().Seed(seed);
  lastSeed = seed;
}

std::uint32_t RandomSeed() { return lastSeed; }

std::uint32_t FreshSeed() {
  std::uint64_t x = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  try {
    std::random_device entropy;
    x ^= std::uint64_t{entropy()} << 32 | entropy();
  } catch (const std::exception&) {
    // No entropy source: the clock's nanoseconds still differ from launch to launch.
  }
  // A 64-bit finaliser, so that every bit of both sources reaches the 32 bits of the seed.
  x = (x ^ x >> 30) * 0xBF58476D1CE4E5B9u;
  x = (x ^ x >> 27) * 0x94D049BB133111EBu;
  x ^= x >> 31;
  return static_cast<std::uint32_t>(x ^ x >> 32);
}

int RandomInt(int a, int b) { return Generator().Int(a, b); }
float RandomFloat(float a, float b) { return Generator().Float(a, b); }

float SinDeg(float degrees) { return std::sin(degrees * kRadiansPerDegree); }
float CosDeg(float degrees) { return std::cos(degrees * kRadiansPerDegree); }
float ATan2Deg(float y, float x) { return std::atan2(y, x) / kRadiansPerDegree; }

}  // namespace tolvex
