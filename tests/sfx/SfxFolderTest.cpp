// Checks the WAV files the build wrote into the run folder's "sfx": names, format, level,
// clean loops, and that blasts sound low and zaps sound high.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "BuildPaths.h"
#include "SoundMeasures.h"
#include "WavFile.h"

namespace tolvex::sfx {
namespace {

const std::filesystem::path kSfxDir = TOLVEX_SFX_DIR;

std::vector<std::uint8_t> fileBytes(const std::string& name) {
  std::ifstream in(kSfxDir / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::vector<std::int16_t> samplesOf(const std::string& name) {
  const auto wav = readWav(kSfxDir / name);
  return wav ? wav->samples : std::vector<std::int16_t>{};
}

double seconds(const std::vector<std::int16_t>& samples) { return samples.size() / 44100.0; }

class EverySfxFile : public testing::TestWithParam<std::string> {};

TEST_P(EverySfxFile, HasAPlainPcmHeaderMatchingItsSize) {
  const auto bytes = fileBytes(GetParam());
  ASSERT_GE(bytes.size(), 44u) << GetParam() << " is missing or truncated";
  EXPECT_EQ(0, std::memcmp(bytes.data(), "RIFF", 4));
  EXPECT_EQ(bytes.size() - 8, le32(bytes, 4));
  EXPECT_EQ(0, std::memcmp(bytes.data() + 8, "WAVEfmt ", 8));
  EXPECT_EQ(16u, le32(bytes, 16));
  EXPECT_EQ(1, le16(bytes, 20)) << "PCM";
  EXPECT_EQ(1, le16(bytes, 22)) << "mono";
  EXPECT_EQ(44100u, le32(bytes, 24));
  EXPECT_EQ(88200u, le32(bytes, 28)) << "byte rate";
  EXPECT_EQ(2, le16(bytes, 32)) << "block align";
  EXPECT_EQ(16, le16(bytes, 34));
  EXPECT_EQ(0, std::memcmp(bytes.data() + 36, "data", 4));
  EXPECT_EQ(bytes.size() - 44, le32(bytes, 40));
}

TEST_P(EverySfxFile, IsNormalisedJustBelowFullScaleWithoutClipping) {
  const auto samples = samplesOf(GetParam());
  ASSERT_FALSE(samples.empty());
  const int peak = peakOf(samples);
  EXPECT_LT(peak, 32767) << "clipped";
  EXPECT_GT(peak, 29204 - 400) << "peak should sit about 1 dB below full scale";
  EXPECT_LT(peak, 29204 + 400);
  EXPECT_GT(rmsOf(samples), 0.05) << "too quiet to be heard over the game";
}

TEST_P(EverySfxFile, StaysShortAndSmall) {
  const auto samples = samplesOf(GetParam());
  EXPECT_GT(seconds(samples), 0.05);
  EXPECT_LT(seconds(samples), 3.0);
  EXPECT_LT(std::filesystem::file_size(kSfxDir / GetParam()), 300u * 1024u);
}

TEST_P(EverySfxFile, StartsAndEndsAtSilence) {
  const auto samples = samplesOf(GetParam());
  ASSERT_FALSE(samples.empty());
  EXPECT_LT(std::abs(samples.front()), 330) << "first sample should be within 1% of silence";
  EXPECT_LT(std::abs(samples.back()), 330) << "last sample should be within 1% of silence";
}

INSTANTIATE_TEST_SUITE_P(SfxFolder, EverySfxFile, testing::ValuesIn(allSfxNames()), [](const auto& info) {
  std::string name = info.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
  return name;
});

TEST(SfxFolder, HoldsExactlyTheGamesFiles) {
  std::set<std::string> present;
  for (const auto& entry : std::filesystem::directory_iterator(kSfxDir)) {
    present.insert(entry.path().filename().string());
  }
  const std::set<std::string> expected(allSfxNames().begin(), allSfxNames().end());
  EXPECT_EQ(expected, present);
}

TEST(SfxFolder, EveryLoopMeetsItselfAtTheSeam) {
  for (const std::string& name : loopNames()) {
    const auto samples = samplesOf(name);
    ASSERT_GT(samples.size(), 100u) << name;
    const int seam = std::abs(samples.front() - samples.back());
    EXPECT_LE(seam, std::max(1.0, 2.0 * meanStepOf(samples))) << name << ": jump at the loop point";
  }
}

TEST(SfxFolder, EveryGunSoundsDifferent) {
  std::map<std::vector<std::int16_t>, std::string> seen;
  for (const std::string& name : laserNames()) {
    const auto [it, fresh] = seen.emplace(samplesOf(name), name);
    EXPECT_TRUE(fresh) << name << " is the same sound as " << it->second;
  }
}

TEST(SfxFolder, ExplosionsCarryMostOfTheirEnergyInTheBass) {
  for (const char* name : {"Explosio-Ulvo-1074.wav", "aexplo6.wav"}) {
    EXPECT_GT(lowBandShare(samplesOf(name), 300.0), 0.6) << name;
  }
}

TEST(SfxFolder, ExplosionsAreBassierThanEveryGun) {
  double leastBassyExplosion = 1.0;
  for (const char* name : {"Explosio-Ulvo-1074.wav", "aexplo6.wav"}) {
    leastBassyExplosion = std::min(leastBassyExplosion, lowBandShare(samplesOf(name), 300.0));
  }
  for (const std::string& name : laserNames()) {
    EXPECT_LT(lowBandShare(samplesOf(name), 300.0) + 0.1, leastBassyExplosion) << name;
  }
}

TEST(SfxFolder, QuickZapsAreMostlyTreble) {
  for (const char* name : {"alternatelaser_1c.wav", "shortshot.wav", "Laser_1.wav", "getpoint.wav"}) {
    EXPECT_LT(lowBandShare(samplesOf(name), 300.0), 0.1) << name;
  }
}

TEST(SfxFolder, HeavyGunsSoundLowerThanRapidFireGuns) {
  const auto rate = [](const char* name) { return weightedZeroCrossingRate(samplesOf(name), 44100); };
  for (const char* heavy : {"Laser_6.wav", "slowlaser.wav", "alternatelaser_3.wav"}) {
    for (const char* light : {"shortshot.wav", "alternatelaser_1c.wav", "Laser_1.wav"}) {
      EXPECT_LT(rate(heavy), rate(light)) << heavy << " vs " << light;
    }
  }
}

TEST(SfxFolder, TheBigExplosionOutlastsTheMediumOne) {
  EXPECT_GT(seconds(samplesOf("Explosio-Ulvo-1074.wav")), seconds(samplesOf("aexplo6.wav")) + 0.3);
}

TEST(SfxFolder, AlarmsRepeatInUnderASecondAndAHalf) {
  // The HUD text flashes each time the alarm restarts and fades in about 0.8 s.
  for (const char* name : {"geraet_agressive.wav", "alarm2.wav"}) {
    EXPECT_GE(seconds(samplesOf(name)), 0.5) << name;
    EXPECT_LE(seconds(samplesOf(name)), 1.5) << name;
  }
}

}  // namespace
}  // namespace tolvex::sfx
