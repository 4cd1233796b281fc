// The last steps before a sound is written: clean edges, level, 16-bit samples.
#pragma once

#include <cstdint>
#include <vector>

#include "Signal.h"

namespace tolvex::sfx {

// Peak level every effect is normalised to, in dB below full scale.
inline constexpr double kTargetPeakDb = -1.0;

// Takes out any constant offset (a gentle 20 Hz high-pass) so the speaker does not thump.
void removeDc(Signal& signal);

// Fades in over `fadeIn` and out over `fadeOut` seconds (raised-cosine), so no edge clicks.
void fadeEdges(Signal& signal, double fadeIn, double fadeOut);

// Cuts the quiet lead-in and tail, everything below `fraction` of the peak, from both ends.
void trimSilence(Signal& signal, double fraction);

// Scales the sound so its largest sample sits at `peakDb` below full scale; silence stays silent.
void normalise(Signal& signal, double peakDb = kTargetPeakDb);

// Rounds to 16-bit samples; anything beyond full scale is held at ±32767.
std::vector<std::int16_t> toPcm16(const Signal& signal);

}  // namespace tolvex::sfx
