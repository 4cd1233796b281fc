// Shapes of pitch, loudness and cutoff over time: sweeps, envelopes, steps.
#pragma once

#include <utility>
#include <vector>

#include "Signal.h"

namespace tolvex::sfx {

// A value that never changes.
Curve constant(double value);

// Glides exponentially (evenly in musical pitch) from `from` to `to` over `seconds`, then holds.
Curve expSweep(double from, double to, double seconds);

// Straight lines through (time, value) points; holds the first and last values outside them.
Curve segments(std::vector<std::pair<double, double>> points);

// Rises linearly over `attack` seconds, then falls as exp(-t / decay).
Curve attackDecay(double attack, double decay);

// Gives a sound a struck shape: the attack-decay curve above, then a fade to silence over its
// last fifth, so a layer never stops with a click however short it is cut.
void strike(Signal& signal, double attack, double decay);

// Adds a sine wobble of `depth` (a fraction of the value) at `rate` Hz to a curve.
Curve vibrato(Curve base, double rate, double depth);

// Holds each value for `stepSeconds`, then moves to the next (an arpeggio); holds the last.
Curve steps(std::vector<double> values, double stepSeconds);

}  // namespace tolvex::sfx
