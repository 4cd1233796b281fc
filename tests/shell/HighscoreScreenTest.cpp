// The highscore screen in a running shell: the finished game entered once, the panel's lines,
// scrolling, and the way back to the main menu.
#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>

#include "HighscoreScreenFixture.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "support/MenuClick.h"
#include "support/TestPorts.h"

namespace tolvex {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

TEST_F(HighscoreScreenTest, ADeathEntersTheGameAndThePanelShowsItMarked) {
  FinishGame(1234.9f, 5, 7);
  ASSERT_EQ(GameState, kStateHighscore);
  std::vector<std::string> expected = {"___ Highscore Tolvex 1.07 ___", "Name   - Date - Points - Rank", "",
                                       "New >>> 1. Ace - - - 1234 - Apprentice of destruction + 2 <<< New", "",
                                       "Your Score: 1234 | Kills: 5", "Rank: Apprentice of destruction + 2", "",
                                       "Highest rank ever: Apprentice of destruction + 2 by Ace", "", ""};
  expected.insert(expected.end(), Credits().begin(), Credits().end());
  expected.insert(expected.end(), MusicLines().begin(), MusicLines().end());
  EXPECT_THAT(PanelLines(), ElementsAreArray(expected));
  EXPECT_FLOAT_EQ(HighscorePanel->x, GfxWidth / 2);
  EXPECT_FLOAT_EQ(HighscorePanel->y, GfxHeight / 10);
  EXPECT_EQ(HighscorePanel->style, TTextfield::kCentred);
  EXPECT_TRUE(std::filesystem::exists("Highscore.txt"));
}

TEST_F(HighscoreScreenTest, AGameIsEnteredOnceHoweverOftenTheScreenIsVisited) {
  FinishGame(500, 1, 0);
  SetGameState(kStateMainMenu);
  EXPECT_EQ(HighscorePanel, nullptr) << "the panel leaves with its screen";
  UseSteppedClock(16);  // a later moment: a second entry would get another time stamp
  for (int i = 0; i < 100; ++i) AdvanceClock();
  SetGameState(kStateHighscore);
  ASSERT_EQ(TScore::ScoreList().Count(), 1u);
  EXPECT_FALSE(TScore::ScoreList().First()->newentry) << "read back from the file";
  EXPECT_THAT(PanelLines(), Contains("1. Ace - - - 500 - Nobody"));
  EXPECT_THAT(PanelLines(), Contains("Your Score: 500 | Kills: 1")) << "the last game is still shown";
  FinishGame(300, 1, 0);  // the next game is a new result
  EXPECT_EQ(TScore::ScoreList().Count(), 2u);
}

TEST_F(HighscoreScreenTest, ACheatedGameLeavesTheListAlone) {
  CheatUsed = 1;
  FinishGame(900, 3, 0);
  EXPECT_TRUE(TScore::ScoreList().Empty());
  EXPECT_THAT(PanelLines(), Contains("Your Score: 900 | Kills: 3"));
}

TEST_F(HighscoreScreenTest, WithoutAFinishedGameOneBlankLineStandsForTheResult) {
  SetGameState(kStateHighscore);
  std::vector<std::string> expected = {"___ Highscore Tolvex 1.07 ___", "Name   - Date - Points - Rank", "", "", "", ""};
  expected.insert(expected.end(), Credits().begin(), Credits().end());
  expected.insert(expected.end(), MusicLines().begin(), MusicLines().end());
  EXPECT_THAT(PanelLines(), ElementsAreArray(expected));
}

TEST_F(HighscoreScreenTest, TheSongPlayingIsNamedUnderTheCredits) {
  TMusic::SongList = {TMusic{"music\\Nebula Run.ogg", "Nebula Run"}, TMusic{"music\\Red Giant.ogg", "Red Giant"}};
  TMusic::CurrentSong = 1;
  SongNumber = 2;
  SetGameState(kStateHighscore);
  const auto lines = PanelLines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_THAT(std::vector<std::string>(lines.end() - 3, lines.end()),
              ElementsAre("", "Music: Red Giant", MusicLines().back()));
  TMusic::Reset();
}

TEST_F(HighscoreScreenTest, WithMusicVolumeZeroThereAreNoMusicLines) {
  MusicVolume = 0;
  SetGameState(kStateHighscore);
  EXPECT_EQ(PanelLines().back(), Credits().back());
  EXPECT_THAT(PanelLines(), testing::Not(Contains(testing::StartsWith("Music"))));
}

TEST_F(HighscoreScreenTest, TheBestRankOfAPointlessGameKeepsAHolderThatReadsBack) {
  PlayerName = "Smith, John";
  FinishGame(0, 0, 3);  // no points: no entry, but a rank
  EXPECT_EQ(BestRank, 3);
  EXPECT_EQ(BestRankPilot, "Smith John");
  BestRank = 0;
  BestRankPilot.clear();
  TScore::Init();
  EXPECT_EQ(BestRank, 3) << "the rank line of the file still has its three fields";
}

TEST_F(HighscoreScreenTest, ArrowsScrollThePanelAndEscapeLeadsBackToTheMainMenu) {
  SetGameState(kStateHighscore);
  const float top = HighscorePanel->y;
  FeedKey(KEY_DOWN, true);
  for (int i = 0; i < 3; ++i) ProcessStateInput();
  EXPECT_FLOAT_EQ(HighscorePanel->y, top + 3);
  FeedKey(KEY_DOWN, false);
  FeedKey(KEY_UP, true);
  ProcessStateInput();
  EXPECT_FLOAT_EQ(HighscorePanel->y, top + 2);
  FeedKey(KEY_UP, false);
  FeedKey(KEY_ESCAPE, true);
  ProcessStateInput();
  EXPECT_EQ(GameState, kStateMainMenu);
  EXPECT_EQ(HighscorePanel, nullptr);
  EXPECT_NE(FindMenuButton("quit"), nullptr);
  EXPECT_EQ(QuitGame, 0);
  FeedKey(KEY_ESCAPE, false);
  FeedKey(KEY_ESCAPE, true);
  ProcessStateInput();
  EXPECT_EQ(QuitGame, 1) << "Escape on the main menu ends the program";
}

TEST_F(HighscoreScreenTest, EscapeTakesEffectAfterTheCommandOfTheSameFrame) {
  // Online on, but its server is not there: the update fails at once.
  const std::string nobody = "127.0.0.1:" + std::to_string(TakeTestPort(PortIsFree));
  setenv("TOLVEX_HIGHSCORE_SERVER", nobody.c_str(), 1);
  OnlineHighscore = 1;
  struct Row {
    GameStateId screen;
    const char* command;
    GameStateId after;
    bool quit;
  };
  for (const Row& row : {Row{kStateMainMenu, "highscore", kStateHighscore, true}, Row{kStateMainMenu, "quit", kStateMainMenu, true},
                         Row{kStateHighscore, "updatehighscore", kStateMainMenu, false},
                         Row{kStateHighscore, "main", kStateMainMenu, false}}) {
    QuitGame = 0;
    SetGameState(row.screen);
    FeedKey(KEY_ESCAPE, true);
    FeedKey(KEY_ESCAPE, false);
    ClickMenuButton(row.command);
    EXPECT_EQ(GameState, row.after) << row.command;
    EXPECT_EQ(QuitGame, row.quit ? 1 : 0) << row.command;
  }
  unsetenv("TOLVEX_HIGHSCORE_SERVER");
}

TEST_F(HighscoreScreenTest, TheMenusButtonsLeadBetweenTheScreens) {
  SetGameState(kStateMainMenu);
  ClickMenuButton("highscore");
  EXPECT_EQ(GameState, kStateHighscore);
  ClickMenuButton("main");
  EXPECT_EQ(GameState, kStateMainMenu);
  ClickMenuButton("quit");
  EXPECT_EQ(QuitGame, 1);
}

}  // namespace
}  // namespace tolvex
