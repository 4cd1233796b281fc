#include "musicgen/Master.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

#include "musicgen/Envelope.h"
#include "musicgen/Svf.h"

namespace tolvex::music {

namespace {

// The smallest value of `values` within `radius` of each position, the array read as a loop.
std::vector<float> loopMinimum(const std::vector<float>& values, std::size_t radius) {
  const std::size_t n = values.size(), width = 2 * radius + 1;
  // The array with `radius` values of the other end on either side, so every window is whole.
  const std::size_t shift = n * (radius / n + 1) - radius;
  std::vector<float> extended(n + 2 * radius);
  for (std::size_t j = 0; j < extended.size(); ++j) extended[j] = values[(j + shift) % n];
  std::vector<float> result(n);
  std::deque<std::size_t> window;  // positions whose values increase from front to back
  for (std::size_t j = 0; j < extended.size(); ++j) {
    while (!window.empty() && extended[window.back()] >= extended[j]) window.pop_back();
    window.push_back(j);
    if (window.front() + width <= j) window.pop_front();
    if (j + 1 >= width) result[j + 1 - width] = extended[window.front()];
  }
  return result;
}

// The moving average over `width` values centred on each position, the array read as a loop.
std::vector<float> loopAverage(const std::vector<float>& values, std::size_t width) {
  const std::size_t n = values.size();
  std::vector<float> result(n);
  const std::size_t half = width / 2;
  double sum = 0;
  for (std::size_t k = 0; k < width; ++k) sum += values[(n - half + k) % n];
  for (std::size_t i = 0; i < n; ++i) {
    result[i] = static_cast<float>(sum / static_cast<double>(width));
    sum += values[(i + width - half) % n] - values[(n + i - half) % n];
  }
  return result;
}

}  // namespace

double rmsDb(const Stereo& song) {
  double sum = 0;
  for (std::size_t i = 0; i < song.frames(); ++i) sum += song.left[i] * song.left[i] + song.right[i] * song.right[i];
  const double rms = std::sqrt(sum / (2.0 * static_cast<double>(std::max<std::size_t>(1, song.frames()))));
  return 20.0 * std::log10(std::max(rms, 1e-12));
}

float peakOf(const Stereo& song) {
  float peak = 0;
  for (std::size_t i = 0; i < song.frames(); ++i) peak = std::max({peak, std::abs(song.left[i]), std::abs(song.right[i])});
  return peak;
}

void removeRumble(Stereo& song, double hz) {
  for (std::vector<float>* channel : {&song.left, &song.right}) {
    Svf filter(hz, 0.707);
    std::vector<float>& x = *channel;
    const std::size_t warmup = std::min(x.size(), framesOf(2.0));
    for (std::size_t i = x.size() - warmup; i < x.size(); ++i) filter.high(x[i]);
    for (float& sample : x) sample = filter.high(sample);
  }
}

void setLevel(Stereo& song, double db) {
  const float gain = static_cast<float>(std::pow(10.0, (db - rmsDb(song)) / 20.0));
  for (std::size_t i = 0; i < song.frames(); ++i) song.left[i] *= gain, song.right[i] *= gain;
}

void limit(Stereo& song, float ceiling, double release) {
  const std::size_t n = song.frames();
  if (n == 0) return;
  // The gain each frame needs on its own, then the least of its neighbourhood, then smoothed:
  // an average over half the neighbourhood never exceeds the need of any frame it covers.
  std::vector<float> need(n);
  for (std::size_t i = 0; i < n; ++i) {
    const float peak = std::max(std::abs(song.left[i]), std::abs(song.right[i]));
    need[i] = peak > ceiling ? ceiling / peak : 1.0f;
  }
  const std::size_t lookahead = framesOf(0.003);
  std::vector<float> gain = loopAverage(loopMinimum(need, lookahead), lookahead);
  // Recover slowly after each dip: the gain may fall at once but rises by `release`.
  const float rise = static_cast<float>(1.0 - std::exp(-1.0 / (release * kSampleRate)));
  float g = *std::min_element(gain.begin(), gain.end());
  for (int lap = 0; lap < 2; ++lap) {  // the second lap starts with the first lap's end
    for (std::size_t i = 0; i < n; ++i) {
      g = std::min(gain[i], g + (1.0f - g) * rise);
      if (lap == 1) {
        song.left[i] *= g;
        song.right[i] *= g;
      }
    }
  }
}

}  // namespace tolvex::music
