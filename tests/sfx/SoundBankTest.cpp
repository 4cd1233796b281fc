// The recipe book: one recipe per game file, the same bytes in any order, and announcer lines
// that still come out when there is no speech engine.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "BuildPaths.h"
#include "Master.h"
#include "SoundBank.h"
#include "SoundMeasures.h"

namespace tolvex::sfx {
namespace {

const SoundRecipe& recipeNamed(const std::vector<SoundRecipe>& all, const std::string& name) {
  for (const SoundRecipe& r : all) {
    if (r.fileName == name) return r;
  }
  throw std::runtime_error("no recipe " + name);
}

TEST(SoundBank, HasOneRecipePerGameFile) {
  const Speech none("");
  std::multiset<std::string> names;
  for (const SoundRecipe& r : allRecipes(none)) names.insert(r.fileName);
  EXPECT_EQ(std::multiset<std::string>(allSfxNames().begin(), allSfxNames().end()), names);
}

TEST(SoundBank, TheRunFolderHoldsExactlyWhatTheRecipesMakeInAnyOrder) {
  // The generator renders the book front to back in another process; rendering it back to front
  // here catches a stale folder, output that is not reproducible, and a sound that depends on
  // the ones rendered before it.
  const Speech engine(TOLVEX_ESPEAK_NG);
  const auto all = allRecipes(engine);
  for (auto recipe = all.rbegin(); recipe != all.rend(); ++recipe) {
    std::ifstream in(std::filesystem::path(TOLVEX_SFX_DIR) / recipe->fileName, std::ios::binary);
    const std::vector<std::uint8_t> onDisk{std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
    EXPECT_TRUE(onDisk == encodeWav(render(*recipe))) << recipe->fileName;
  }
}

TEST(SoundBank, AnnouncerLinesFallBackToStingsWithoutSpeech) {
  const Speech missing("/nonexistent/espeak-ng");
  EXPECT_TRUE(missing.available());
  EXPECT_FALSE(missing.speak("Double Kill!", Voice{}));
  const auto all = allRecipes(missing);
  for (const char* name : {"SFDoubleKill.wav", "SFMultiKill.wav", "ELAUGH.WAV"}) {
    const WavData wav = render(recipeNamed(all, name));
    EXPECT_GT(wav.samples.size(), samplesFor(0.5)) << name;
    EXPECT_GT(rmsOf(wav.samples), 0.05) << name;
  }
  EXPECT_NE(render(recipeNamed(all, "SFDoubleKill.wav")).samples,
            render(recipeNamed(all, "SFMultiKill.wav")).samples);
}

TEST(SoundBank, SpeechComesBackTrimmedAtTheGamesRate) {
  const Speech engine(TOLVEX_ESPEAK_NG);
  if (!engine.available()) GTEST_SKIP() << "espeak-ng is not installed";
  const auto spoken = engine.speak("Multi Kill!", Voice{});
  ASSERT_TRUE(spoken);
  EXPECT_GT(spoken->size(), samplesFor(0.3));
  EXPECT_LT(spoken->size(), samplesFor(3.0));
  EXPECT_GT(std::abs(spoken->front()), 0.0) << "leading silence is trimmed";
}

TEST(SoundBank, OneShotsAreMasteredToSilentEdgesAndTheTargetPeak) {
  const SoundRecipe square{"test.wav", [] { return Signal(4410, 0.25); }};
  const WavData wav = render(square);
  EXPECT_EQ(44100, wav.sampleRate);
  EXPECT_EQ(1, wav.channels);
  EXPECT_EQ(0, wav.samples.front());
  EXPECT_EQ(0, wav.samples.back());
  EXPECT_EQ(29204, peakOf(wav.samples));
}

}  // namespace
}  // namespace tolvex::sfx
