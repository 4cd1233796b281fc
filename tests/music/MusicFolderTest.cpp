// The songs the build wrote into the run folder's "music", read back with libvorbisfile as a
// player would hear them: format and length, no clipping, level, a clean loop, and the shape
// of real music (quiet and loud stretches, a steady beat, weight in the bass).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include "BuildPaths.h"
#include "SongDecoder.h"
#include "musicgen/Arranger.h"
#include "musicgen/Master.h"

namespace tolvex::music {
namespace {

const std::filesystem::path kMusicDir = TOLVEX_MUSIC_DIR;

// Each song decoded once for all the checks.
const DecodedSong& Decoded(const SongPlan& plan) {
  static std::map<std::string, DecodedSong> songs;
  auto it = songs.find(plan.title);
  if (it == songs.end()) {
    auto decoded = decodeSong(kMusicDir / (plan.title + ".ogg"));
    it = songs.emplace(plan.title, decoded ? std::move(*decoded) : DecodedSong()).first;
  }
  return it->second;
}

// RMS in dB of the frames [from, to) of both channels.
double StretchDb(const Stereo& s, std::size_t from, std::size_t to) {
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) sum += s.left[i] * s.left[i] + s.right[i] * s.right[i];
  return 10.0 * std::log10(sum / (2.0 * static_cast<double>(to - from)) + 1e-12);
}

class ShippedSong : public testing::TestWithParam<SongPlan> {};

TEST_P(ShippedSong, IsStereo44kOfTheComposedLength) {
  const DecodedSong& song = Decoded(GetParam());
  ASSERT_GT(song.samples.frames(), 0u) << GetParam().title << ".ogg is missing or unreadable";
  EXPECT_EQ(song.channels, 2);
  EXPECT_EQ(song.rate, 44100);
  EXPECT_EQ(song.samples.frames(), songFrames(GetParam()));
  EXPECT_EQ(song.declaredFrames, static_cast<long long>(songFrames(GetParam())));
  const double seconds = static_cast<double>(song.samples.frames()) / 44100.0;
  EXPECT_GE(seconds, 90.0);
  EXPECT_LE(seconds, 150.0);
  EXPECT_EQ(song.title, GetParam().title);
}

TEST_P(ShippedSong, HoldsNoClippedSample) {
  EXPECT_EQ(clippedSamples(kMusicDir / (GetParam().title + ".ogg")), 0);
  EXPECT_LT(peakOf(Decoded(GetParam()).samples), 0.95f) << "room left below full scale";
}

TEST_P(ShippedSong, PlaysAtTheGamesMusicLevel) {
  const double db = rmsDb(Decoded(GetParam()).samples);
  EXPECT_GT(db, -20.0);
  EXPECT_LT(db, -15.0);
}

TEST_P(ShippedSong, LoopsWithoutAClick) {
  const Stereo& s = Decoded(GetParam()).samples;
  ASSERT_GT(s.frames(), 44100u);
  for (const std::vector<float>* channel : {&s.left, &s.right}) {
    std::vector<float> steps;
    for (std::size_t i = 1; i < channel->size(); i += 5) steps.push_back(std::abs((*channel)[i] - (*channel)[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
    const float typical = steps[steps.size() / 2];
    EXPECT_LE(std::abs(channel->front() - channel->back()), 3.0f * typical) << "a jump where the song meets itself";
  }
  // The level just before the end is the level just after the start, give or take a new bar.
  const std::size_t window = 44100 / 10;
  EXPECT_NEAR(StretchDb(s, s.frames() - window, s.frames()), StretchDb(s, 0, window), 6.0);
}

TEST_P(ShippedSong, BuildsFromAQuietStartToLoudSectionsAndBack) {
  const Stereo& s = Decoded(GetParam()).samples;
  const std::size_t bar = static_cast<std::size_t>(60.0 / GetParam().bpm * 4.0 * 44100.0);
  ASSERT_GT(s.frames(), 8 * bar);
  std::vector<double> bars;
  for (std::size_t start = 0; start + bar <= s.frames(); start += bar) bars.push_back(StretchDb(s, start, start + bar));
  const double loudest = *std::max_element(bars.begin(), bars.end());
  EXPECT_LT(bars.front(), loudest - 5.0) << "the song opens quietly";
  EXPECT_LT(bars.back(), loudest - 5.0) << "and winds down into its opening";
  const auto loud = std::count_if(bars.begin(), bars.end(), [&](double db) { return db > loudest - 3.0; });
  EXPECT_GT(loud, static_cast<long>(bars.size() / 3)) << "most of it drives";
}

TEST_P(ShippedSong, KeepsASteadyPulseAtItsTempo) {
  const Stereo& s = Decoded(GetParam()).samples;
  // The envelope of the song's changes (sample to sample: the drums' attacks stand out, the
  // held bass does not) in 10 ms hops over the song's middle, and how well it matches itself
  // a bar later compared with five eighths of a bar later (off the grid of its rhythms).
  const std::size_t hop = 441;
  std::vector<double> envelope;
  for (std::size_t start = s.frames() / 4; start + hop < s.frames() * 3 / 4; start += hop) {
    double energy = 0;
    for (std::size_t i = start; i < start + hop; ++i) {
      const double change = (s.left[i] + s.right[i]) - (s.left[i - 1] + s.right[i - 1]);
      energy += change * change;
    }
    envelope.push_back(10.0 * std::log10(energy / hop + 1e-12));
  }
  const auto match = [&](double lagSeconds) {
    const auto lag = static_cast<std::size_t>(lagSeconds * 44100.0 / hop + 0.5);
    double sum = 0;
    for (std::size_t i = 0; i + lag < envelope.size(); ++i) sum += std::abs(envelope[i] - envelope[i + lag]);
    return sum / static_cast<double>(envelope.size() - lag);
  };
  const double bar = 4.0 * 60.0 / GetParam().bpm;
  EXPECT_LT(match(bar) * 1.3, match(bar * 5.0 / 8.0)) << "a bar later the song sounds like itself";
}

TEST_P(ShippedSong, CarriesItsWeightInTheBassWithoutDrowningTheRest) {
  const Stereo& s = Decoded(GetParam()).samples;
  // A one-pole low-pass at 150 Hz splits the energy.
  const double a = std::exp(-2.0 * 3.14159265 * 150.0 / 44100.0);
  double low = 0, lowEnergy = 0, total = 0;
  for (std::size_t i = 0; i < s.frames(); ++i) {
    const double mono = 0.5 * (s.left[i] + s.right[i]);
    low = (1.0 - a) * mono + a * low;
    lowEnergy += low * low;
    total += mono * mono;
  }
  EXPECT_GT(lowEnergy / total, 0.3);
  EXPECT_LT(lowEnergy / total, 0.85);
}

INSTANTIATE_TEST_SUITE_P(MusicFolder, ShippedSong, testing::ValuesIn(shippedSongs()), [](const auto& info) {
  std::string name = info.param.title;
  std::erase(name, ' ');
  return name;
});

TEST(MusicFolder, HoldsTheThreeSongsAndTheyDiffer) {
  std::vector<std::uintmax_t> sizes;
  for (const SongPlan& plan : shippedSongs()) {
    const auto path = kMusicDir / (plan.title + ".ogg");
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    sizes.push_back(std::filesystem::file_size(path));
  }
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(std::adjacent_find(sizes.begin(), sizes.end()), sizes.end());
  EXPECT_LT(sizes.back(), 4u * 1024u * 1024u) << "each song stays a small download";
}

}  // namespace
}  // namespace tolvex::music
