// Saving replays: a name of their own in the "replays" folder, a folder tidied to the newest
// games and those of the highscore list, and when the folder or the disk lets the game down, no
// replay and no damage.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "platform/Clock.h"
#include "platform/GameFolders.h"
#include "scores/TScore.h"
#include "shell/ReplayFolder.h"
#include "support/FailingDisk.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

// A replay's contents given whole.
FileContents Text(std::string text) {
  return [text = std::move(text)](const PieceWriter& write) { return write(TextBytes(text)); };
}

class ReplaySaveTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSteppedClock(16); }
  void TearDown() override { UseSteppedClock(0); }
  const test::TempFolder temp{test::TempFolder::Enter::Yes};
  const std::filesystem::path replays = temp.Path() / "replays";
};

TEST_F(ReplaySaveTest, EachGameGetsAFileOfItsOwn) {
  const std::string first = SaveReplayFile(Text("one"), 1200), second = SaveReplayFile(Text("two"), 1200);
  EXPECT_EQ(first, "replays\\2026-01-01_00-00-00_1200.txt") << "when the game ended, and its points";
  EXPECT_EQ(second, "replays\\2026-01-01_00-00-00_1200-2.txt");
  EXPECT_EQ(test::FileText(replays / "2026-01-01_00-00-00_1200.txt"), "one");
  EXPECT_EQ(test::FileText(replays / "2026-01-01_00-00-00_1200-2.txt"), "two");
}

TEST_F(ReplaySaveTest, AFileInPlaceOfTheFolderIsLeftAlone) {
  std::ofstream("replays") << "mine";
  EXPECT_EQ(SaveReplayFile(Text("game"), 5), "");
  EXPECT_EQ(test::FileText("replays"), "mine");
}

TEST_F(ReplaySaveTest, AReadOnlyFolderSavesNothing) {
  {
    const test::ReadOnlyFolder readOnly(temp.Path());
    EXPECT_EQ(SaveReplayFile(Text("game"), 5), "");
  }
  EXPECT_FALSE(std::filesystem::exists(replays));
  std::filesystem::create_directory(replays);
  {
    const test::ReadOnlyFolder readOnly(replays);
    EXPECT_EQ(SaveReplayFile(Text("game"), 5), "");
  }
  EXPECT_TRUE(std::filesystem::is_empty(replays));
}

TEST_F(ReplaySaveTest, AFullDiskLeavesNoHalfReplayAndTheOthersWhole) {
  ASSERT_NE(SaveReplayFile(Text("an earlier game"), 5), "");
  {
    const test::DiskFullAfter full(100);
    EXPECT_EQ(SaveReplayFile(Text(std::string(5000, 'x')), 6), "");
  }
  ASSERT_EQ(std::distance(std::filesystem::directory_iterator(replays), std::filesystem::directory_iterator()), 1);
  EXPECT_EQ(test::FileText(replays / "2026-01-01_00-00-00_5.txt"), "an earlier game");
}

// The replay names of n games, one a minute from 1 Jan 2026 00:00, oldest first, each worth 100 points.
std::vector<std::string> GamesOneAMinute(int n) {
  std::vector<std::string> names;
  for (int i = 0; i < n; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "2026-01-%02d_%02d-%02d-00_100.txt", 1 + i / 1440, i / 60 % 24, i % 60);
    names.emplace_back(name);
  }
  return names;
}

TEST(ReplayNameTest, OnlyTheNamesTheGameWritesAreReplays) {
  struct Case {
    const char* name;
    std::optional<int> points, copy;
  };
  const std::vector<Case> cases = {
      {"2026-01-01_00-03-12_4310.txt", 4310, 1},
      {"2026-01-01_00-03-12_4310-2.txt", 4310, 2},
      {"2026-12-31_23-59-59_-50.txt", -50, 1},
      {"2026-12-31_23-59-59_-50-3.txt", -50, 3},
      {"2026-01-01_00-03-12_4310.txt.tmp", {}, {}},
      {"2026-01-01_00-03-12_4310-1.txt", {}, {}},
      {"2026-1-01_00-03-12_4310.txt", {}, {}},
      {"2026-01-01_00-03-12_+4310.txt", {}, {}},
      {"2026-01-01_00-03-12_4310", {}, {}},
      {"2026-01-01_00-03-12_.txt", {}, {}},
      {"my best game.txt", {}, {}},
      {"", {}, {}},
  };
  for (const Case& c : cases) {
    const auto name = ParseReplayName(c.name);
    ASSERT_EQ(name.has_value(), c.points.has_value()) << c.name;
    if (!name) continue;
    EXPECT_EQ(name->points, *c.points) << c.name;
    EXPECT_EQ(name->copy, *c.copy) << c.name;
  }
  const auto name = ParseReplayName("2026-02-03_04-05-06_7.txt");
  ASSERT_TRUE(name);
  EXPECT_EQ(std::vector<int>({name->ended.year, name->ended.month, name->ended.day, name->ended.hour,
                              name->ended.minute, name->ended.second}),
            std::vector<int>({2026, 2, 3, 4, 5, 6}));
}

TEST(ReplayPruneTest, TheNewestGamesStayAndTheOlderOnesGo) {
  struct Case {
    int games;
    std::size_t removed;
  };
  for (const Case c : std::vector<Case>{{0, 0}, {1, 0}, {200, 0}, {201, 1}, {260, 60}}) {
    const auto names = GamesOneAMinute(c.games);
    std::vector<std::string> shuffled(names.rbegin(), names.rend());
    const auto removed = ReplaysToRemove(shuffled, {});
    ASSERT_EQ(removed.size(), c.removed) << c.games << " games";
    const std::set<std::string> oldest(names.begin(), names.begin() + static_cast<long>(c.removed));
    EXPECT_EQ(std::set<std::string>(removed.begin(), removed.end()), oldest) << c.games << " games";
  }
}

TEST(ReplayPruneTest, TheGamesOfTheHighscoreListStayHoweverOld) {
  const auto names = GamesOneAMinute(203);  // the three oldest would go: 00:00, 00:01, 00:02
  const std::vector<KeptScore> kept = {
      {100, "01 Jan 2026/00:00:05"},   // the first game, stamped 5 s after it ended: kept
      {100, "01 Jan 2026/00:03:30"},   // no old game then
      {999, "01 Jan 2026/00:02:00"},   // the third game's time but other points
      {100, "not a time stamp"},       // an online entry's own text
  };
  EXPECT_EQ(ReplaysToRemove(names, kept), (std::vector<std::string>{names[2], names[1]}));
}

TEST(ReplayPruneTest, AGameAtTheTurnOfTheYearIsMatchedAcrossIt) {
  const std::vector<std::string> names = {"2026-12-31_23-59-50_800.txt", "2027-01-01_00-10-00_5.txt"};
  const std::vector<KeptScore> kept = {{800, "01 Jan 2027/00:00:00"}};
  EXPECT_TRUE(ReplaysToRemove(names, kept, 1).empty()) << "10 s apart across midnight of the new year";
  const std::vector<KeptScore> late = {{800, "01 Jan 2027/00:00:01"}};
  EXPECT_EQ(ReplaysToRemove(names, late, 1), std::vector<std::string>{names[0]}) << "11 s apart";
}

TEST(ReplayPruneTest, GamesOfOneSecondAreOrderedByTheirCopyAndOtherFilesAreNeverTouched) {
  const std::vector<std::string> names = {"2026-01-01_00-00-00_5-3.txt", "2026-01-01_00-00-00_5.txt",
                                          "notes.txt", "2026-01-01_00-00-00_5-2.txt", "best ever.txt"};
  EXPECT_EQ(ReplaysToRemove(names, {}, 1),
            (std::vector<std::string>{"2026-01-01_00-00-00_5-2.txt", "2026-01-01_00-00-00_5.txt"}));
  EXPECT_EQ(ReplaysToRemove(names, {}, 0).size(), 3u) << "even with no game to keep, only replays go";
}

TEST_F(ReplaySaveTest, SavingAGameTidiesTheFolderAndKeepsTheHighscoreListsGames) {
  std::filesystem::create_directory(replays);
  // 201 games of last year, one a minute; the oldest holds the best score. With the new game, two
  // fall outside the newest 200.
  for (const std::string& name : GamesOneAMinute(201)) {
    std::ofstream(replays / ("2025" + name.substr(4))) << "old";
  }
  std::ofstream(replays / "keep me.txt") << "the player's";
  TScore::ScoreList().Clear();
  TScore::Add("Kim", 100, "01 Jan 2025/00:00:01", 3, false);
  TScore::Add("Kim", 50, "01 Jan 2025/00:01:00", 1, false);  // other points than that game's
  EXPECT_EQ(SaveReplayFile(Text("new"), 1200), "replays\\2026-01-01_00-00-00_1200.txt");
  TScore::ScoreList().Clear();
  EXPECT_EQ(test::FileText(replays / "2026-01-01_00-00-00_1200.txt"), "new");
  EXPECT_TRUE(std::filesystem::exists(replays / "2025-01-01_00-00-00_100.txt")) << "the best score's game";
  EXPECT_FALSE(std::filesystem::exists(replays / "2025-01-01_00-01-00_100.txt")) << "the oldest other game";
  EXPECT_TRUE(std::filesystem::exists(replays / "2025-01-01_00-02-00_100.txt"));
  EXPECT_TRUE(std::filesystem::exists(replays / "keep me.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(replays), std::filesystem::directory_iterator()), 202);
}

TEST_F(ReplaySaveTest, AnInstalledGameSavesIntoThePlayersFolder) {
  const std::filesystem::path player = temp.Path() / "data" / "tolvex";
  std::filesystem::create_directories(player);
  UseGameFolders({"", player.string() + "/"});
  const std::string saved = SaveReplayFile(Text("game"), 7);
  UseGameFolders({});
  EXPECT_EQ(saved, player.string() + "/replays\\2026-01-01_00-00-00_7.txt");
  EXPECT_EQ(test::FileText(player / "replays" / "2026-01-01_00-00-00_7.txt"), "game");
  EXPECT_FALSE(std::filesystem::exists(replays));
}

}  // namespace
}  // namespace tolvex
