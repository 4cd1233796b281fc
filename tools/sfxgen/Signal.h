// Sample buffers, time-varying values and the arithmetic every sound recipe shares.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace tolvex::sfx {

// Sample rate of every generated sound effect, in Hz.
inline constexpr int kSampleRate = 44100;

// A mono sound: samples in about [-1, 1] at kSampleRate.
using Signal = std::vector<double>;

// A value that changes over the life of a sound (argument: seconds from its start).
using Curve = std::function<double(double)>;

// Number of samples that last `seconds`.
std::size_t samplesFor(double seconds);

// Time in seconds of sample `index`.
constexpr double timeOf(std::size_t index) { return static_cast<double>(index) / kSampleRate; }

// Adds `source` times `gain` into `target` from `atSeconds` on, growing `target` as needed.
void mixInto(Signal& target, const Signal& source, double gain = 1.0, double atSeconds = 0.0);

// Multiplies every sample by the curve's value at its time.
void applyGain(Signal& signal, const Curve& gain);

// Sample-by-sample product (ring modulation); the result has the shorter length.
Signal multiply(const Signal& a, const Signal& b);

}  // namespace tolvex::sfx
