// Colour and space for a dry sound: drive, echo, room reverb and pitch shifting.
#pragma once

#include "Signal.h"

namespace tolvex::sfx {

// Soft clipping (tanh) with `drive` > 0; a drive around 1 only warms, 5 and more growls.
void saturate(Signal& signal, double drive);

// Repeats of the sound `delay` seconds apart, each `feedback` times the last, mixed in at
// `wet`; the result grows by the time the repeats need to die away.
Signal echo(const Signal& dry, double delay, double feedback, double wet);

// A room: parallel damped combs into series all-passes (Schroeder). `size` in (0, 1) sets the
// decay, `wet` the mix; the tail adds `tailSeconds`.
Signal reverb(const Signal& dry, double size, double wet, double tailSeconds);

// Plays the sound back at `speed` (0.8 = lower and longer), interpolating between samples.
Signal resample(const Signal& input, double speed);

}  // namespace tolvex::sfx
