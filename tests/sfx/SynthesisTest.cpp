// The synthesis kit: loops close, levels land where asked, filters pass what they should.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Curves.h"
#include "Effects.h"
#include "Filter.h"
#include "Master.h"
#include "Noise.h"
#include "Oscillator.h"

namespace tolvex::sfx {
namespace {

double rms(const Signal& s) {
  double sum = 0.0;
  for (double x : s) sum += x * x;
  return std::sqrt(sum / static_cast<double>(s.size()));
}

double peak(const Signal& s) {
  double p = 0.0;
  for (double x : s) p = std::max(p, std::abs(x));
  return p;
}

int signChanges(const Signal& s) {
  int changes = 0;
  for (std::size_t i = 1; i < s.size(); ++i) changes += (s[i] < 0) != (s[i - 1] < 0);
  return changes;
}

TEST(Oscillator, LoopToneEndsWhereItsNextRepeatBegins) {
  // 1000.3 Hz does not fit 4410 samples; the loop must bend it to a whole number of cycles,
  // so stepping from the last sample to the first looks like any other step of the sine.
  const std::size_t n = 4410;
  const Signal s = loopTone(Wave::Sine, constant(1000.3), n);
  ASSERT_EQ(n, s.size());
  EXPECT_NEAR(0.0, s.front(), 1e-12);
  const double seamStep = s.front() - s.back();
  const double firstStep = s[1] - s[0];
  EXPECT_NEAR(firstStep, seamStep, 1e-3);
  EXPECT_NEAR(2 * 100, signChanges(s) + 1, 1) << "100 whole cycles";
}

TEST(Oscillator, LoopToneClosesEvenWhenThePitchSweeps) {
  const std::size_t n = 5292;
  const Signal s = loopTone(Wave::Sine, expSweep(1100, 550, 0.12), n);
  const double seamStep = s.front() - s.back();
  const double lastStep = s[n - 1] - s[n - 2];  // the pitch is at its low end here
  EXPECT_NEAR(lastStep, seamStep, 0.01);
}

TEST(Oscillator, LoopFrequencyIsAWholeNumberOfCyclesPerLoop) {
  const std::size_t n = samplesFor(0.8);
  const double f = loopFrequency(1250.7, n);
  const double cycles = f * static_cast<double>(n) / kSampleRate;
  EXPECT_NEAR(std::round(cycles), cycles, 1e-9);
  EXPECT_NEAR(1250.7, f, 0.63);
}

TEST(Oscillator, ToneHasThePitchItIsAskedFor) {
  const Signal s = tone(Wave::Square, constant(441.0), 1.0);
  EXPECT_NEAR(2 * 441, signChanges(s), 2);
  EXPECT_LT(peak(s), 1.2) << "band-limited square overshoots only a little";
}

TEST(Curves, SweepsHitTheirEndsAndHoldAfterwards) {
  const Curve sweep = expSweep(1000, 250, 0.5);
  EXPECT_DOUBLE_EQ(1000, sweep(0.0));
  EXPECT_NEAR(500, sweep(0.25), 1e-9) << "halfway in time is halfway in pitch";
  EXPECT_NEAR(250, sweep(0.5), 1e-9);
  EXPECT_NEAR(250, sweep(3.0), 1e-9);
  const Curve lines = segments({{0.0, 0.0}, {1.0, 10.0}, {2.0, 0.0}});
  EXPECT_DOUBLE_EQ(5.0, lines(0.5));
  EXPECT_DOUBLE_EQ(5.0, lines(1.5));
  EXPECT_DOUBLE_EQ(0.0, lines(9.0));
  const Curve arpeggio = steps({1, 2, 3}, 0.1);
  EXPECT_EQ(1, arpeggio(0.05));
  EXPECT_EQ(3, arpeggio(0.25));
  EXPECT_EQ(3, arpeggio(5.0));
}

TEST(Filter, LowPassKeepsTheBassAndDropsTheTreble) {
  const Signal bass = tone(Wave::Sine, constant(100), 0.5);
  const Signal treble = tone(Wave::Sine, constant(8000), 0.5);
  EXPECT_NEAR(rms(bass), rms(filtered(bass, FilterKind::LowPass, 1000.0)), 0.01);
  EXPECT_LT(rms(filtered(treble, FilterKind::LowPass, 1000.0)), 0.05 * rms(treble));
  EXPECT_LT(rms(filtered(bass, FilterKind::HighPass, 1000.0)), 0.05 * rms(bass));
}

TEST(Effects, ResamplingSlowerLowersThePitchAndStretches) {
  const Signal s = tone(Wave::Sine, constant(1000), 0.5);
  const Signal lower = resample(s, 0.5);
  EXPECT_EQ(2 * s.size(), lower.size());
  EXPECT_NEAR(signChanges(s), signChanges(lower), 2) << "same cycles over twice the time";
}

TEST(Effects, EchoAndReverbAddATailAndKeepTheSound) {
  const Signal click = {1.0, 0.5, 0.25};
  const Signal echoed = echo(click, 0.1, 0.5, 0.5);
  EXPECT_GT(echoed.size(), samplesFor(0.5));
  EXPECT_DOUBLE_EQ(1.0, echoed[0]);
  EXPECT_NEAR(0.5, echoed[samplesFor(0.1)], 1e-12) << "first repeat at the delay, at the wet level";
  const Signal room = reverb(click, 0.5, 0.3, 0.4);
  EXPECT_EQ(click.size() + samplesFor(0.4), room.size());
  EXPECT_GT(peak(Signal(room.begin() + 2000, room.end())), 0.0) << "the room rings on";
}

TEST(Effects, SaturationStaysWithinFullScale) {
  Signal s = tone(Wave::Sine, constant(200), 0.1);
  for (double& x : s) x *= 3.0;
  saturate(s, 4.0);
  EXPECT_LE(peak(s), 1.0 / std::tanh(4.0) + 1e-12);
}

TEST(Master, NormaliseLandsOnTheTargetPeak) {
  Signal s = {0.0, 0.1, -0.4, 0.2};
  normalise(s, -1.0);
  EXPECT_NEAR(std::pow(10.0, -1.0 / 20.0), peak(s), 1e-12);
  EXPECT_LT(s[2], 0.0);
  Signal silent(10, 0.0);
  normalise(silent);
  EXPECT_EQ(0.0, peak(silent));
}

TEST(Master, SixteenBitSamplesRoundAndHoldAtFullScale) {
  const auto pcm = toPcm16({0.0, 0.5, -0.5, 1.0, -1.0, 2.0, -2.0});
  EXPECT_EQ((std::vector<std::int16_t>{0, 16384, -16384, 32767, -32767, 32767, -32767}), pcm);
}

TEST(Master, FadesTakeBothEndsToSilence) {
  Signal s(1000, 1.0);
  fadeEdges(s, 0.001, 0.002);
  EXPECT_EQ(0.0, s.front());
  EXPECT_EQ(0.0, s.back());
  EXPECT_EQ(1.0, s[500]);
}

TEST(Master, TrimSilenceKeepsOnlyTheSound) {
  Signal s = {0.0, 0.001, 0.5, -1.0, 0.3, 0.0005, 0.0};
  trimSilence(s, 0.01);
  EXPECT_EQ((Signal{0.5, -1.0, 0.3}), s);
  Signal quiet(5, 0.0);
  trimSilence(quiet, 0.01);
  EXPECT_TRUE(quiet.empty());
}

TEST(Master, RemoveDcTakesOutAConstantOffset) {
  Signal s(samplesFor(1.0), 0.5);
  removeDc(s);
  EXPECT_LT(std::abs(s.back()), 0.01);
}

TEST(Noise, CrackleFollowsItsDensity) {
  const auto clicksIn = [](const Signal& s) {
    int onsets = 0;
    for (std::size_t i = 1; i < s.size(); ++i) onsets += std::abs(s[i]) > 0.25 && std::abs(s[i - 1]) < 0.02;
    return onsets;
  };
  const int sparse = clicksIn(crackle(1.0, 5, constant(20)));
  const int dense = clicksIn(crackle(1.0, 5, constant(400)));
  EXPECT_GT(dense, 4 * sparse);
  EXPECT_EQ(0, clicksIn(crackle(1.0, 5, constant(0))));
}

}  // namespace
}  // namespace tolvex::sfx
