// Measurements the sound tests share: since nobody can listen here, numbers stand in for ears.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvex::sfx {

// Every file name the game loads from its "sfx" folder.
const std::vector<std::string>& allSfxNames();

// The twelve gun sounds.
const std::vector<std::string>& laserNames();

// Sounds the game plays back to back (the alarms) or that are built as loops.
const std::vector<std::string>& loopNames();

// Largest absolute sample.
int peakOf(const std::vector<std::int16_t>& samples);

// Root mean square level as a fraction of full scale.
double rmsOf(const std::vector<std::int16_t>& samples);

// Mean absolute difference between neighbouring samples: the typical step.
double meanStepOf(const std::vector<std::int16_t>& samples);

// Sign changes per second, averaged over 1024-sample frames weighted by each frame's energy,
// so the loud body of a sound counts and its quiet tail hardly does. A rough brightness.
double weightedZeroCrossingRate(const std::vector<std::int16_t>& samples, int sampleRate);

// Fraction of the sound's energy that a low-pass at `cutoffHz` lets through: near 1 for a
// rumble, near 0 for a whistle.
double lowBandShare(const std::vector<std::int16_t>& samples, double cutoffHz);

}  // namespace tolvex::sfx
