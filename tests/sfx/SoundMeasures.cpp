#include "SoundMeasures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Filter.h"

namespace tolvex::sfx {

const std::vector<std::string>& allSfxNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all = laserNames();
    all.insert(all.end(), {"Explosio-Ulvo-1074.wav", "aexplo6.wav", "rocketfire.wav", "getpoint.wav",
                           "nextstage.wav", "geraet_agressive.wav", "alarm2.wav", "SFDoubleKill.wav",
                           "SFMultiKill.wav", "BONSAI.WAV", "ELAUGH.WAV"});
    return all;
  }();
  return names;
}

const std::vector<std::string>& laserNames() {
  static const std::vector<std::string> names{
      "alternatelaser_1.wav", "alternatelaser_1a.wav", "alternatelaser_1b.wav", "alternatelaser_1c.wav",
      "alternatelaser_3.wav", "retro_laser_loop1.wav", "retro_laser_loop2.wav", "Laser_1.wav",
      "Laser_6.wav",          "cocklasersound.wav",    "slowlaser.wav",         "shortshot.wav"};
  return names;
}

const std::vector<std::string>& loopNames() {
  static const std::vector<std::string> names{"geraet_agressive.wav", "alarm2.wav", "retro_laser_loop1.wav",
                                              "retro_laser_loop2.wav"};
  return names;
}

int peakOf(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

double rmsOf(const std::vector<std::int16_t>& samples) {
  double sum = 0.0;
  for (std::int16_t s : samples) sum += static_cast<double>(s) * s;
  return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size())) / 32768.0;
}

double meanStepOf(const std::vector<std::int16_t>& samples) {
  double sum = 0.0;
  for (std::size_t i = 1; i < samples.size(); ++i) sum += std::abs(samples[i] - samples[i - 1]);
  return samples.size() < 2 ? 0.0 : sum / static_cast<double>(samples.size() - 1);
}

double weightedZeroCrossingRate(const std::vector<std::int16_t>& samples, int sampleRate) {
  constexpr std::size_t kFrame = 1024;
  double weightedRate = 0.0, totalEnergy = 0.0;
  for (std::size_t start = 0; start + kFrame <= samples.size(); start += kFrame) {
    double energy = 0.0;
    int crossings = 0;
    for (std::size_t i = start; i < start + kFrame; ++i) {
      energy += static_cast<double>(samples[i]) * samples[i];
      if (i > start && (samples[i] < 0) != (samples[i - 1] < 0)) ++crossings;
    }
    weightedRate += energy * crossings * sampleRate / static_cast<double>(kFrame);
    totalEnergy += energy;
  }
  return totalEnergy > 0.0 ? weightedRate / totalEnergy : 0.0;
}

double lowBandShare(const std::vector<std::int16_t>& samples, double cutoffHz) {
  // Two sections in a row, so the treble falls off steeply enough to measure.
  Biquad first(FilterKind::LowPass, cutoffHz, 0.707), second(FilterKind::LowPass, cutoffHz, 0.707);
  double all = 0.0, low = 0.0;
  for (std::int16_t s : samples) {
    const double x = s / 32768.0;
    const double y = second.process(first.process(x));
    all += x * x;
    low += y * y;
  }
  return all > 0.0 ? low / all : 0.0;
}

}  // namespace tolvex::sfx
