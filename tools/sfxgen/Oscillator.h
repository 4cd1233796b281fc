// Band-limited tone generators driven by a pitch curve.
#pragma once

#include <cstddef>

#include "Signal.h"

namespace tolvex::sfx {

// Wave shapes of a tone; saw and square are band-limited (polyBLEP) so high zaps do not alias.
enum class Wave { Sine, Triangle, Saw, Square };

// A tone of `seconds` whose frequency in Hz follows `frequency`; every shape starts at phase 0.
Signal tone(Wave wave, const Curve& frequency, double seconds, double startPhase = 0.0);

// Frequency modulation: a sine carrier following `carrier` whose phase is pushed by a sine at
// `ratio` times its frequency, `index` (over time) deep; bright and metallic when the index is high.
Signal fmTone(const Curve& carrier, double ratio, const Curve& index, double seconds);

// A tone of exactly `samples` samples whose pitch curve is scaled a hair so the phase ends on a
// whole number of cycles: played back to back it continues without a seam.
Signal loopTone(Wave wave, const Curve& frequency, std::size_t samples);

// The nearest frequency that repeats a whole number of times in `samples` samples.
double loopFrequency(double frequency, std::size_t samples);

}  // namespace tolvex::sfx
