// The highscore screen's update button against the real server over loopback: the pilot's entries
// go out, the table's come back into the list, the panel and the file.
#include <gmock/gmock.h>

#include <cstdlib>

#include "../shell/HighscoreScreenFixture.h"
#include "RunningServer.h"
#include "core/Helpers.h"
#include "scores/OnlineClient.h"
#include "scores/RankTitle.h"
#include "support/FileText.h"
#include "support/MenuClick.h"
#include "support/OnlineRecordPrint.h"

namespace tolvex {
namespace {

using ::testing::Contains;

class UpdateButtonTest : public HighscoreScreenTest {
 protected:
  void SetUp() override {
    HighscoreScreenTest::SetUp();
    server_ = std::make_unique<RunningServer>("table.sqlite");
    setenv("TOLVEX_HIGHSCORE_SERVER", server_->Address().c_str(), 1);
    OnlineHighscore = 1;
  }
  void TearDown() override {
    unsetenv("TOLVEX_HIGHSCORE_SERVER");
    server_.reset();
    HighscoreScreenTest::TearDown();
  }

  std::unique_ptr<RunningServer> server_;
};

TEST_F(UpdateButtonTest, SendsTheListAndShowsTheTablesEntries) {
  ASSERT_TRUE(TScore::Highscore_Submit("R&D #2", 5000, "01 Dec 2026/10:00:00", 9)) << "another pilot's entry";
  TScore::Add("Ace", 1200, "", 7, false);
  TScore::Save();
  SetGameState(kStateHighscore);
  ClickMenuButton("updatehighscore");
  EXPECT_EQ(GameState, kStateHighscore);
  const std::vector<std::string> lines = PanelLines();
  EXPECT_THAT(lines, Contains("1. R&D #2 - - - 5000 - " + RankTitle(9)));
  EXPECT_THAT(lines, Contains("2. Ace - - - 1200 - " + RankTitle(7)));
  std::vector<OnlineRecord> table;
  ASSERT_TRUE(FetchOnlineRecords(10, table));
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[1].name, "Ace");
  TScore::Init();
  ASSERT_EQ(TScore::ScoreList().Count(), 2u);
  for (const TScorePtr& entry : TScore::ScoreList()) EXPECT_TRUE(entry->online) << entry->name;
}

TEST_F(UpdateButtonTest, InAReplayTheButtonTalksToNoServerAndWritesNoFile) {
  TScore::Add("Ace", 1200, "", 7, false);
  TScore::Save();
  const std::string saved = test::FileText("Highscore.txt");
  SetHighscoreSaving(false);
  SetGameState(kStateHighscore);
  ClickMenuButton("updatehighscore");
  SetHighscoreSaving(true);
  EXPECT_THAT(PanelLines(), Contains("1. Ace - - - 1200 - " + RankTitle(7))) << "the list is shown as it was";
  std::vector<OnlineRecord> table;
  ASSERT_TRUE(FetchOnlineRecords(10, table));
  EXPECT_TRUE(table.empty()) << "nothing was sent";
  EXPECT_EQ(test::FileText("Highscore.txt"), saved);
}

}  // namespace
}  // namespace tolvex
