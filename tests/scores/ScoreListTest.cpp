// The highscore list in memory: adding, cleaning, sorting, cutting, and the panel's lines.
#include <gmock/gmock.h>

#include <regex>

#include "ScoreFixture.h"
#include "platform/Clock.h"
#include "ui/TTextfield.h"

namespace tolvex {
namespace {

using ::testing::ElementsAre;
using ScoreListTest = ScoreTest;

// Entries with a fixed time, as the file and the online table give them.
void AddFixed(const std::string& name, int points, int rank = 0) { TScore::Add(name, points, "01 Jan 2026/10:00:00", rank, false); }

TEST_F(ScoreListTest, AnEleventhEntryStaysUntilSortCutsTheLowest) {
  for (int i = 1; i <= 10; ++i) AddFixed("P" + std::to_string(i), 100 * i);
  AddFixed("Late", 100);  // equal to the lowest, added later
  EXPECT_EQ(TScore::ScoreList().Count(), 11u);
  EXPECT_TRUE(TScore::Sort());
  EXPECT_THAT(Points(), ElementsAre(1000, 900, 800, 700, 600, 500, 400, 300, 200, 100));
  EXPECT_EQ(Names().back(), "P1") << "with equal points the later entry goes";
  EXPECT_EQ(TScore::ScoreList().Count(), TScore::ListLimit);
}

TEST_F(ScoreListTest, AStableSortKeepsEqualPointsInTheOrderTheyCame) {
  AddFixed("A", 50);
  AddFixed("B", 70);
  AddFixed("C", 50);
  AddFixed("D", 70);
  AddFixed("E", 50);
  TScore::Sort();
  EXPECT_THAT(Names(), ElementsAre("B", "D", "A", "C", "E"));
}

TEST_F(ScoreListTest, TheLowestScoreCountsOnlyInAFullList) {
  EXPECT_EQ(TScore::GetLowest(), 0) << "empty";
  for (int i = 1; i <= 9; ++i) AddFixed("P" + std::to_string(i), 10 * i);
  TScore::Sort();
  EXPECT_EQ(TScore::GetLowest(), 0) << "9 entries";
  AddFixed("P10", 5);
  TScore::Sort();
  EXPECT_EQ(TScore::GetLowest(), 5) << "10 entries: the 10th entry's points";
}

TEST_F(ScoreListTest, NamesLoseOuterBlanksAndEveryCharacterThatSplitsAFileLine) {
  TScore::Add(" \t Ace=Pilot  ", 100, "t", 1, false);
  TScore::Add("Smith, John", 90, "t", 1, false);
  TScore::Add("two\r\nlines", 80, "t", 1, false);
  TScore::Add("   ", 70, "t", 1, false);
  EXPECT_THAT(Names(), ElementsAre("AcePilot", "Smith John", "twolines", ""));
}

TEST_F(ScoreListTest, ZeroPointsAndRepeatedEntriesAreNotAdded) {
  AddFixed("Ace", 0);
  EXPECT_TRUE(TScore::ScoreList().Empty());
  AddFixed("Ace", 100, 3);
  AddFixed("Ace", 100, 3);
  AddFixed("Ace", 100, 4);  // another rank: another entry
  EXPECT_THAT(Points(), ElementsAre(100, 100));
  TScore::Add("Ace", 100, "02 Jan 2026/10:00:00", 3, false);
  EXPECT_EQ(TScore::ScoreList().Count(), 3u) << "another time: another entry";
}

TEST_F(ScoreListTest, ALocalResultIsStampedWithNowAndMarkedNew) {
  TScore::Add("Ace", 100, "", 2, false);
  const TScorePtr entry = TScore::ScoreList().First();
  EXPECT_TRUE(entry->newentry);
  EXPECT_FALSE(entry->online);
  EXPECT_TRUE(std::regex_match(entry->time, std::regex(R"(\d\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) \d{4}/\d\d:\d\d:\d\d)")))
      << entry->time;
}

TEST_F(ScoreListTest, ASteppedRunStampsItsOwnCalendarSoItsFilesRepeat) {
  UseSteppedClock(16);
  for (int frame = 0; frame < 4000; ++frame) AdvanceClock();  // 64 s
  EXPECT_EQ(ScoreTimeStampNow(), "01 Jan 2026/00:01:04");
  UseSteppedClock(0);
}

TEST_F(ScoreListTest, AnOnlineEntryWithoutTimeKeepsItEmptyAndIsNotNew) {
  TScore::Add("Net", 100, "", 2, true);
  const TScorePtr entry = TScore::ScoreList().First();
  EXPECT_EQ(entry->time, "");
  EXPECT_FALSE(entry->newentry);
  EXPECT_TRUE(entry->online);
}

TEST_F(ScoreListTest, AHigherRankRaisesTheBestRankAndItsPilot) {
  BestRank = 5;
  BestRankPilot = "Old";
  AddFixed("Low", 100, 4);
  EXPECT_EQ(BestRank, 5);
  AddFixed("  High=  ", 100, 9);
  EXPECT_EQ(BestRank, 9);
  EXPECT_EQ(BestRankPilot, "High") << "the cleaned name";
}

TEST_F(ScoreListTest, ExtractParamsSplitsTheKeyAtTheFirstEqualsAndTheRestAtCommas) {
  using V = std::vector<std::string>;
  EXPECT_EQ(TScore::extractParams(""), V{});
  EXPECT_EQ(TScore::extractParams("Version: Tolvex 1.07"), V{"Version: Tolvex 1.07"});
  EXPECT_EQ(TScore::extractParams("key="), V{"key"});
  EXPECT_EQ(TScore::extractParams("a=b=c"), (V{"a", "b=c"}));
  EXPECT_EQ(TScore::extractParams("a=b,,c"), (V{"a", "b", "", "c"}));
  EXPECT_EQ(TScore::extractParams("a=b,c,"), (V{"a", "b", "c"})) << "a trailing comma adds no field";
  EXPECT_EQ(TScore::extractParams("a=,"), (V{"a", ""}));
}

TEST_F(ScoreListTest, ThePanelListsEveryEntryAndMarksTheNewOne) {
  AddFixed("Ace", 1200, 7);
  TScore::Add("Me", 300, "", 1, false);
  const auto panel = TTextfield::Create(0, 0, 1, 1);
  TScore::FillTextfield(*panel);
  EXPECT_THAT(panel->Content, ElementsAre("___ Highscore Tolvex 1.07 ___", "Name   - Date - Points - Rank", "",
                                          "1. Ace - - - 1200 - Apprentice of destruction + 2", "",
                                          "New >>> 2. Me - - - 300 - Nobody + 1 <<< New"));
}

}  // namespace
}  // namespace tolvex
