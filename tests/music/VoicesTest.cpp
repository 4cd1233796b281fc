// Every drum and instrument voice starts from silence and dies away to silence (no clicks),
// writes nothing before it starts, and wraps round the loop when it sounds past the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "musicgen/Drums.h"
#include "musicgen/Envelope.h"
#include "musicgen/Instruments.h"

namespace tolvex::music {
namespace {

constexpr std::size_t kStart = 1000;

// The voice rendered alone into a mix of `seconds`, starting at kStart.
Mix Render(const std::function<void(Mix&)>& voice, double seconds = 6.0) {
  Mix mix(framesOf(seconds));
  voice(mix);
  return mix;
}

float Peak(const Stereo& s) {
  float peak = 0;
  for (std::size_t i = 0; i < s.frames(); ++i) peak = std::max({peak, std::abs(s.left[i]), std::abs(s.right[i])});
  return peak;
}

// Checks a voice that fits into the mix without wrapping.
void ExpectCleanEdges(const char* name, const std::function<void(Mix&)>& voice) {
  const Mix mix = Render(voice);
  const Stereo& s = mix.dry;
  const float peak = Peak(s);
  ASSERT_GT(peak, 0.01f) << name << " is silent";
  for (std::size_t i = 0; i < kStart; ++i) ASSERT_EQ(s.left[i], 0.0f) << name << " writes before it starts";
  EXPECT_LT(std::max(std::abs(s.left[kStart]), std::abs(s.right[kStart])), 0.05f * peak) << name << " starts with a click";
  std::size_t last = s.frames() - 1;
  while (last > kStart && s.left[last] == 0.0f && s.right[last] == 0.0f) --last;
  ASSERT_LT(last, s.frames() - 1) << name << " still sounds at the end of the test mix";
  EXPECT_LT(std::max(std::abs(s.left[last]), std::abs(s.right[last])), 0.003f * peak) << name << " stops with a click";
}

TEST(Voices, DrumsStartAndStopCleanly) {
  sfx::Rng rng(7);
  ExpectCleanEdges("kick", [](Mix& m) { kick(m, kStart, 1.0f); });
  ExpectCleanEdges("snare", [&](Mix& m) { snare(m, kStart, 1.0f, rng); });
  ExpectCleanEdges("closed hat", [&](Mix& m) { hat(m, kStart, 1.0f, false, 0.3f, rng); });
  ExpectCleanEdges("open hat", [&](Mix& m) { hat(m, kStart, 1.0f, true, -0.3f, rng); });
  ExpectCleanEdges("crash", [&](Mix& m) { crash(m, kStart, 1.0f, rng); });
  ExpectCleanEdges("tom", [](Mix& m) { tom(m, kStart, 1.0f, 131.0, 0.2f); });
  ExpectCleanEdges("impact", [&](Mix& m) { impact(m, kStart, 1.0f, rng); });
  ExpectCleanEdges("riser", [&](Mix& m) { riser(m, kStart, framesOf(2.0), 1.0f, rng); });
}

TEST(Voices, InstrumentsStartAndStopCleanly) {
  sfx::Rng rng(9);
  ExpectCleanEdges("bass", [](Mix& m) { bassNote(m, kStart, framesOf(0.3), 33, 1.0f, BassTone{}); });
  ExpectCleanEdges("pad", [&](Mix& m) { padChord(m, kStart, framesOf(1.5), {57, 60, 64}, 1.0f, PadTone{}, rng); });
  ExpectCleanEdges("pluck", [](Mix& m) { pluck(m, kStart, 69, 1.0f, 0.5f, 2000.0); });
  const std::vector<LeadNote> line{{0, framesOf(0.3), 69}, {framesOf(0.3), framesOf(0.9), 72}, {framesOf(1.2), framesOf(1.5), 76}};
  ExpectCleanEdges("lead", [&](Mix& m) { leadLine(m, kStart, line, 1.0f, 1800.0); });
}

TEST(Voices, ABassNoteLastsItsLengthAndALittleRelease) {
  const Mix mix = Render([](Mix& m) { bassNote(m, kStart, framesOf(0.5), 40, 1.0f, BassTone{}); });
  std::size_t last = mix.frames() - 1;
  while (mix.dry.left[last] == 0.0f) --last;
  EXPECT_NEAR(static_cast<double>(last - kStart) / kSampleRate, 0.5 + 0.012, 0.002);
}

TEST(Voices, AVoiceSoundingPastTheEndRingsOnAtTheStart) {
  Mix mix(framesOf(2.0));
  pluck(mix, framesOf(1.9), 69, 1.0f, 0.0f, 2000.0);
  float wrapped = 0;
  for (std::size_t i = 0; i < framesOf(0.2); ++i) wrapped = std::max(wrapped, std::abs(mix.dry.left[i]));
  EXPECT_GT(wrapped, 0.001f);
  EXPECT_EQ(mix.dry.left[framesOf(1.2)], 0.0f) << "between the tail and the note, nothing";
}

TEST(Voices, EchoAndReverbSendsCarryOnlyWhatAVoiceSends) {
  const Mix mix = Render([](Mix& m) { kick(m, kStart, 1.0f); });
  EXPECT_GT(Peak(mix.reverbSend), 0.0f);
  EXPECT_EQ(Peak(mix.echoSend), 0.0f) << "drums do not echo";
  const Mix plucked = Render([](Mix& m) { pluck(m, kStart, 69, 1.0f, 0.0f, 2000.0); });
  EXPECT_GT(Peak(plucked.echoSend), 0.0f);
}

TEST(Voices, TheKickDucksThePadsAndTheyComeBack) {
  Mix mix(framesOf(2.0));
  pumpAfter(mix, kStart, 0.6f);
  EXPECT_FLOAT_EQ(mix.pump[kStart - 1], 1.0f);
  const float deepest = *std::min_element(mix.pump.begin(), mix.pump.end());
  EXPECT_NEAR(deepest, 0.4f, 0.01f);
  EXPECT_GT(mix.pump[kStart + framesOf(0.5)], 0.98f);
  for (std::size_t i = 1; i < mix.frames(); ++i) {
    ASSERT_LT(std::abs(mix.pump[i] - mix.pump[i - 1]), 0.01f) << "the pump moves smoothly";
  }
}

}  // namespace
}  // namespace tolvex::music
