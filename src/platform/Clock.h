#pragma once
// The millisecond clock and the game's random numbers.
#include <cstdint>
#include <random>

namespace tolvex {

// A random generator with the game's ranges. The game's own sequence is one of these; a choice
// that happens at moments the game does not control (the next song, when the last one ends)
// draws from a source of its own, so it never shifts the game's sequence.
class RandomSource {
 public:
  void Seed(std::uint32_t seed) { generator_.seed(seed); }
  // Uniform integer between a and b inclusive, whichever is larger.
  int Int(int a, int b);
  // Uniform float from the smaller up to (excluding) the larger.
  float Float(float a, float b);

 private:
  std::mt19937 generator_{12345u};
};

// The game's clock in milliseconds. It moves only when a frame begins (AdvanceClock), so every step
// of a frame sees the same time and a replay can give each frame its time back exactly; only
// differences are used.
int ClockMs();
// From now on the clock moves only by AdvanceClock, stepMs per frame, starting at startMs
// (deterministic runs, replays); a step of 0 goes back to the real clock.
void UseSteppedClock(int stepMs, int startMs = 0);
// The step of a stepped clock from the next frame on, 0 included (a replay gives every frame its own).
void SetClockStep(int stepMs);
// Begins a frame's time: a stepped clock moves on by its step, the real clock is read anew.
void AdvanceClock();
// Reads the real clock anew without beginning a frame (at the end of start-up); a stepped clock stays.
void RefreshClock();
// While held (the game is paused) the game's clock stands still, whatever AdvanceClock is asked;
// let go, it goes on from where it stood, stepped or real.
void HoldClock(bool held);
bool ClockHeld();
// The real clock now, whatever the game's clock says (for pacing a replay in a window).
int RealClockMs();
// Waits until the game's clock, read anew, would have moved on from ms (about a millisecond at most);
// a stepped clock never waits.
void WaitForClockAfter(int ms);

// A calendar date and time of day.
struct DateTime {
  int year = 1970, month = 1, day = 1;  // month 1..12
  int hour = 0, minute = 0, second = 0;
};
// The local date and time now. A stepped run counts from 1 Jan 2026 00:00:00 by its own clock,
// so the time stamps it writes are the same in every run.
DateTime CurrentDateTime();
// Seconds from 1 Jan 1970 00:00:00 to the date and time, both read in one time zone: how far
// apart two of them are.
std::int64_t SecondsSinceEpoch(const DateTime& when);

void SeedRandom(std::uint32_t seed);
// A seed of its own for every launch: the system's entropy mixed with the wall clock (the clock
// alone when the system has no entropy to give).
std::uint32_t FreshSeed();
// The seed last given to SeedRandom (a replay keeps it).
std::uint32_t RandomSeed();
// Uniform integer between a and b inclusive, whichever is larger.
int RandomInt(int a, int b);
// Uniform float from the smaller up to (excluding) the larger.
float RandomFloat(float a, float b);

// Trigonometry in degrees.
float SinDeg(float degrees);
float CosDeg(float degrees);
// atan2 in degrees, −180..180.
float ATan2Deg(float y, float x);

}  // namespace tolvex
