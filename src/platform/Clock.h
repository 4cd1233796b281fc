#pragma once
// The millisecond clock and the game's random numbers.
#include <cstdint>

namespace tolvex {

// Milliseconds since start; only differences are used.
int ClockMs();
// From now on the clock moves only by AdvanceClock, stepMs per frame (deterministic runs).
void UseSteppedClock(int stepMs);
// Moves a stepped clock on by one frame; does nothing for the real clock.
void AdvanceClock();
// Waits until the real clock has moved on from ms (about a millisecond at most); a stepped clock never waits.
void WaitForClockAfter(int ms);

void SeedRandom(std::uint32_t seed);
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
