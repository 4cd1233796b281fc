// The real program, headless, played through the menus with scripted input: start a game with the
// mouse, score, give up with Escape, see the result on the highscore screen, and find it again in
// the next run of the program.
#include <gmock/gmock.h>

#include <cstdlib>

#include "support/ProgramRunTest.h"

namespace tolvex {
namespace {

using ::testing::Contains;
using MenuRunTest = ProgramRunTest;

bool HasLineStartingWith(const nlohmann::json& lines, const std::string& start) {
  for (const auto& line : lines)
    if (line.get<std::string>().starts_with(start)) return true;
  return false;
}

TEST_F(MenuRunTest, AGameStartedFromTheMenuEndsOnTheHighscoreScreenAndIsThereInTheNextRun) {
  std::ofstream(folder / "play.txt") << "# on the Start button once the sphere has arrived, then click\n"
                                        "60 mouse 625 300\n"
                                        "62 button 1 down\n"
                                        "63 button 1 up\n"
                                        "# fire at the drone above the ship for six seconds\n"
                                        "70 mouse 640 30\n"
                                        "70 button 1 down\n"
                                        "400 button 1 up\n"
                                        "# give up\n"
                                        "420 key 27 down\n"
                                        "421 key 27 up\n";
  ::setenv("TOLVEX_SPAWN", "d_dronea1,d_dronea1,d_dronea1", 1);
  const int status = Run("--headless --seed 5 --frame-ms 16 --frames 440 --input play.txt --dump 58:menu.json "
                         "--dump 64:start.json --dump 419:fight.json --dump 440:end.json");
  ::unsetenv("TOLVEX_SPAWN");
  ASSERT_EQ(status, 0) << ErrorText();

  const auto menu = ReadJson("menu.json");
  EXPECT_EQ(menu["state"], 1);
  EXPECT_EQ(menu["menu"]["y"], 360.0) << "the sphere has glided to the centre";
  EXPECT_EQ(menu["highscores"].size(), 0u);
  EXPECT_EQ(ReadJson("start.json")["state"], 3) << "the click on Start began a game";
  EXPECT_TRUE(ReadJson("start.json")["menu"]["closing"]);

  const auto fight = ReadJson("fight.json");
  ASSERT_EQ(fight["state"], 3) << "the ship survived the fight";
  const int points = static_cast<int>(fight["player"]["Points"].get<double>());
  const int kills = fight["player"]["Kills"];
  ASSERT_GT(points, 0);

  const auto end = ReadJson("end.json");
  ASSERT_EQ(end["state"], 2);
  ASSERT_EQ(end["highscores"].size(), 1u);
  EXPECT_EQ(end["highscores"][0]["points"], points);
  EXPECT_TRUE(end["highscores"][0]["new"]);
  EXPECT_EQ(end["highscores"][0]["time"], "01 Jan 2026/00:00:06") << "the run's own calendar";
  const auto& panel = end["highscorepanel"];
  EXPECT_THAT(panel, Contains("Your Score: " + std::to_string(points) + " | Kills: " + std::to_string(kills)));
  EXPECT_TRUE(HasLineStartingWith(panel, "New >>> 1. "));
  EXPECT_TRUE(std::filesystem::exists(folder / "Highscore.txt"));

  // The next run: the main menu's Highscore button leads to the list read from the file.
  std::ofstream(folder / "look.txt") << "60 mouse 640 360\n62 button 1 down\n63 button 1 up\n";
  ASSERT_EQ(Run("--headless --seed 6 --frame-ms 16 --frames 80 --input look.txt --dump 80:again.json"), 0) << ErrorText();
  const auto again = ReadJson("again.json");
  ASSERT_EQ(again["state"], 2);
  ASSERT_EQ(again["highscores"].size(), 1u);
  EXPECT_EQ(again["highscores"][0]["points"], points);
  EXPECT_FALSE(again["highscores"][0]["new"]);
  EXPECT_TRUE(HasLineStartingWith(again["highscorepanel"], "1. "));
  EXPECT_FALSE(HasLineStartingWith(again["highscorepanel"], "Your Score")) << "no game was played in this run";
}

TEST_F(MenuRunTest, TheAutopilotStartsItsGamesWithTheStartButton) {
  ASSERT_EQ(Run("--headless --autopilot --size 640x480 --seed 3 --frame-ms 16 --frames 260 --dump 180:look.json --dump 260:play.json"), 0)
      << ErrorText();
  const auto look = ReadJson("look.json");
  EXPECT_EQ(look["state"], 1) << "a look at the menu first";
  const auto play = ReadJson("play.json");
  EXPECT_EQ(play["state"], 3);
  EXPECT_TRUE(play["menu"]["closing"]) << "the game began through the menu, which glides away";
}

}  // namespace
}  // namespace tolvex
