// The songs as written: lengths within what the game wants, and every chord, groove and phrase
// they name well formed.
#include <gtest/gtest.h>

#include <set>

#include "musicgen/Arranger.h"
#include "musicgen/Theory.h"

namespace tolvex::music {
namespace {

TEST(SongPlans, ThreeSongsOfOneAndAHalfToTwoAndAHalfMinutes) {
  ASSERT_EQ(shippedSongs().size(), 3u);
  std::set<std::string> titles;
  std::set<std::uint32_t> serials;
  for (const SongPlan& song : shippedSongs()) {
    const double seconds = static_cast<double>(songFrames(song)) / kSampleRate;
    EXPECT_GE(seconds, 90.0) << song.title;
    EXPECT_LE(seconds, 150.0) << song.title;
    titles.insert(song.title);
    serials.insert(song.serial);
  }
  EXPECT_EQ(titles.size(), 3u);
  EXPECT_EQ(serials.size(), 3u) << "each stream its own serial number";
}

TEST(SongPlans, EverythingTheSectionsNameIsWellFormed) {
  for (const SongPlan& song : shippedSongs()) {
    for (const Groove& groove : song.grooves) {
      for (const std::string* pattern : {&groove.kick, &groove.snare, &groove.hats, &groove.openHats, &groove.bass,
                                         &groove.arp}) {
        EXPECT_EQ(pattern->size(), static_cast<std::size_t>(kStepsPerBar)) << song.title << ": " << *pattern;
      }
    }
    std::vector<int> phraseBars;
    for (const std::string& phrase : song.phrases) {
      EXPECT_NO_THROW(phraseBars.push_back(parsePhrase(phrase).steps / kStepsPerBar)) << song.title;
    }
    for (const Section& section : song.sections) {
      EXPECT_GE(section.groove, 0);
      EXPECT_LT(section.groove, static_cast<int>(song.grooves.size())) << song.title;
      for (const std::string& chord : section.chords) EXPECT_NO_THROW(chordOf(chord)) << chord;
      EXPECT_LE(section.riserBars, section.bars);
      if (section.lead > 0) {
        ASSERT_GE(section.phrase, 0) << song.title;
        ASSERT_LT(section.phrase, static_cast<int>(phraseBars.size())) << song.title;
        EXPECT_EQ(section.bars % phraseBars[section.phrase], 0) << song.title << ": the phrase must fill its section";
      }
    }
  }
}

TEST(SongPlans, TheLeadComesAndGoes) {
  for (const SongPlan& song : shippedSongs()) {
    int barsWithLead = 0, bars = 0;
    for (const Section& section : song.sections) {
      bars += section.bars;
      if (section.lead > 0) barsWithLead += section.bars;
    }
    EXPECT_GT(barsWithLead, bars / 4) << song.title;
    EXPECT_LT(barsWithLead, bars * 3 / 4) << song.title;
    EXPECT_EQ(song.sections.front().lead, 0) << song.title << " starts without its lead";
    EXPECT_EQ(song.sections.back().lead, 0) << song.title << " ends without its lead";
  }
}

}  // namespace
}  // namespace tolvex::music
