// The shared effects and the master: they run around the loop, and the limiter holds every
// peak under its ceiling without jumps in level.
#include <gtest/gtest.h>

#include <cmath>

#include "musicgen/Effects.h"
#include "musicgen/Envelope.h"
#include "musicgen/Master.h"

namespace tolvex::music {
namespace {

double Energy(const std::vector<float>& x, std::size_t from, std::size_t to) {
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(x[i]) * x[i];
  return sum;
}

TEST(Effects, AReverbTailAtTheEndRingsOnAtTheStartAndDiesAway) {
  Stereo send(framesOf(4.0));
  send.left[send.frames() - 100] = 1.0f;
  send.right[send.frames() - 100] = 1.0f;
  const Stereo wet = reverb(send, 2.0, 0.5);
  const double start = Energy(wet.left, 0, framesOf(0.5));
  const double later = Energy(wet.left, framesOf(1.5), framesOf(2.0));
  EXPECT_GT(start, 0.0) << "the tail crosses the loop point";
  EXPECT_LT(later, start * 0.1) << "and dies away";
  EXPECT_GT(Energy(wet.right, 0, framesOf(0.5)), 0.0) << "both sides ring";
}

TEST(Effects, EchoRepeatsAlternateLeftAndRight) {
  Stereo send(framesOf(2.0));
  const std::size_t at = 1000, delay = framesOf(0.25);
  send.left[at] = 1.0f;
  const Stereo wet = echo(send, delay, 0.5);
  // The loop is short: the faint last repeats of the impulse come round again, hence the margins.
  EXPECT_NEAR(wet.left[at + delay], 0.5f, 0.01f);
  EXPECT_NEAR(wet.right[at + delay], 0.0f, 0.01f);
  EXPECT_NEAR(wet.right[at + 2 * delay], 0.25f, 0.01f);
  EXPECT_NEAR(wet.left[at + delay - 1], 0.0f, 0.01f) << "nothing before the first repeat";
  double third = 0;
  for (std::size_t i = at + 3 * delay - 50; i < at + 3 * delay + 50; ++i) third = std::max(third, std::abs(static_cast<double>(wet.left[i])));
  EXPECT_GT(third, 0.01);
  EXPECT_LT(third, 0.125) << "each repeat darker and quieter";
}

TEST(Master, TheLimiterHoldsPeaksUnderTheCeilingSmoothly) {
  // A tone with a burst four times louder on the left; the right holds a steady 0.5, so it
  // shows the gain the limiter applies to both.
  Stereo song(framesOf(2.0));
  for (std::size_t i = 0; i < song.frames(); ++i) {
    const float tone = 0.5f * static_cast<float>(std::sin(i * 0.05));
    song.left[i] = tone * (i > framesOf(1.0) && i < framesOf(1.01) ? 4.0f : 1.0f);
    song.right[i] = 0.5f;
  }
  limit(song, 0.7f, 0.1);
  EXPECT_LE(peakOf(song), 0.7f + 1e-6f);
  float largestGainStep = 0;
  for (std::size_t i = 1; i < song.frames(); ++i) {
    largestGainStep = std::max(largestGainStep, std::abs(song.right[i] - song.right[i - 1]) / 0.5f);
  }
  EXPECT_LT(largestGainStep, 0.02f) << "the gain glides, it does not jump";
  EXPECT_LT(song.right[framesOf(1.005)], 0.5f * 0.36f) << "the burst is brought down to the ceiling";
  EXPECT_NEAR(song.right[framesOf(0.5)], 0.5f, 1e-4f) << "far from the burst: untouched";
}

TEST(Master, LevelsAndRumble) {
  Stereo song(framesOf(1.0));
  for (std::size_t i = 0; i < song.frames(); ++i) {
    song.left[i] = 0.3f + 0.1f * static_cast<float>(std::sin(i * 0.1));
    song.right[i] = song.left[i];
  }
  removeRumble(song, 28.0);
  double mean = 0;
  for (const float x : song.left) mean += x;
  EXPECT_NEAR(mean / static_cast<double>(song.frames()), 0.0, 0.01) << "the constant offset is gone";
  setLevel(song, -20.0);
  EXPECT_NEAR(rmsDb(song), -20.0, 0.01);
}

}  // namespace
}  // namespace tolvex::music
