// Pitched building blocks shared by the chimes, fanfares and stings.
#pragma once

#include <initializer_list>

#include "Signal.h"

namespace tolvex::sfx {

// Frequency in Hz of a MIDI note number (69 = A4 = 440 Hz).
double noteHz(int midiNote);

// A struck bell: a few slightly inharmonic partials, the higher ones dying first; it fades
// to silence by the end of `seconds`, as every block here does, so layers never click off.
Signal bell(double frequency, double seconds);

// A brass note: two detuned saws whose filter opens at the attack, with a late vibrato.
Signal brass(double frequency, double seconds);

// Several brass notes at once, `seconds` long, each at `gain`.
Signal brassChord(std::initializer_list<int> midiNotes, double seconds, double gain);

// Saws at `ratios` times the pitch, summed at `gain` each; every voice starts at its own phase
// so the stack sounds thick instead of one loud saw.
Signal sawStack(const Curve& pitch, double seconds, std::initializer_list<double> ratios, double gain);

// A deep thump falling from `from` to `to` Hz: the weight under blasts and stingers.
Signal boom(double from, double to, double seconds);

}  // namespace tolvex::sfx
