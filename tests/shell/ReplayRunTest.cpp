// Replays of whole sessions: every finished game is saved, and --replay plays it back to the same
// state, frame for frame, on a stepped clock or on the real one.
#include <algorithm>
#include <fstream>
#include <set>

#include "shell/ReplayFile.h"
#include "support/FileText.h"
#include "support/ProgramRunTest.h"

namespace tolvex {
namespace {

class ReplayRunTest : public ProgramRunTest {
 protected:
  // The saved replays, oldest game first.
  std::vector<std::filesystem::path> Replays() const {
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::is_directory(folder / "replays")) return files;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "replays")) files.push_back(entry.path());
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
      return std::filesystem::file_size(a) < std::filesystem::file_size(b);
    });
    return files;
  }
  // The one replay the session saved, and what it reads as; fails when there is not exactly one
  // or it does not read.
  void ReadOnlyReplay(std::filesystem::path& file, ParsedReplay& replay) const {
    const auto files = Replays();
    ASSERT_EQ(files.size(), 1u);
    file = files[0];
    replay = ParseReplay(test::FileText(file));
    ASSERT_EQ(replay.error, "");
  }
  std::string OutputText() const { return test::FileText(folder / "out.txt"); }
  // Plays a replay in a folder of its own, as a player with a fresh copy of the game would.
  int Replay(const std::filesystem::path& file, const std::string& arguments) {
    std::filesystem::create_directories(elsewhere);
    std::filesystem::copy_file(file, elsewhere / "game.txt", std::filesystem::copy_options::overwrite_existing);
    return Run("--headless --replay game.txt " + arguments, elsewhere);
  }
  nlohmann::json ReadReplayedJson(const std::string& name) const {
    std::ifstream in(elsewhere / name);
    return nlohmann::json::parse(in);
  }

  const std::filesystem::path elsewhere = folder / "elsewhere";
  // The autopilot fights three drones from the start, and gives up as giveup.txt says.
  int PlayAgainstDrones(const std::string& arguments) {
    ::setenv("TOLVEX_SPAWN", "d_dronea1,d_dronea1,d_dronea1", 1);
    const int status = Run("--headless --autopilot --start game --size 640x480 --input giveup.txt " + arguments);
    ::unsetenv("TOLVEX_SPAWN");
    return status;
  }
  static void GiveUpAt(std::ofstream&& script, std::initializer_list<int> frames) {
    for (const int frame : frames) script << frame << " key 27 down\n" << frame + 1 << " key 27 up\n";
  }
};

TEST_F(ReplayRunTest, EveryFinishedGameIsSavedAndPlaysBackToTheSameState) {
  // Two games: given up in frames 200 and 600; the autopilot starts the second from the highscore screen.
  GiveUpAt(std::ofstream(folder / "giveup.txt"), {200, 600});
  ASSERT_EQ(PlayAgainstDrones("--seed 21 --frame-ms 16 --frames 620 --dump 600:played.json"), 0) << ErrorText();
  const auto files = Replays();
  ASSERT_EQ(files.size(), 2u) << "one file per finished game";
  const ParsedReplay first = ParseReplay(test::FileText(files[0])), both = ParseReplay(test::FileText(files[1]));
  ASSERT_EQ(first.error, "");
  ASSERT_EQ(both.error, "");
  ASSERT_EQ(first.replay.header.games.size(), 1u);
  ASSERT_EQ(both.replay.header.games.size(), 2u) << "a file holds the whole session up to its game";
  EXPECT_EQ(both.replay.header.games[0].endFrame, 200);
  EXPECT_EQ(both.replay.header.games[1].endFrame, 600);
  EXPECT_EQ(both.replay.header.seed, 21u);
  EXPECT_EQ(both.replay.header.width, 640);

  const auto played = ReadJson("played.json");
  // The player has taken screenshots since: the loading screen shows one, and that changes nothing.
  std::filesystem::create_directories(elsewhere / "screenshots");
  std::ofstream(elsewhere / "screenshots" / "pic0.png") << "a picture";
  std::ofstream(elsewhere / "screenshots" / "pic1.png") << "another";
  ASSERT_EQ(Replay(files[1], "--dump 600:replayed.json"), 0) << ErrorText() << OutputText();
  EXPECT_NE(OutputText().find("game 2 ended in frame 600"), std::string::npos) << OutputText();
  EXPECT_EQ(ReadReplayedJson("replayed.json"), played) << "the replay reaches the very same state";
  EXPECT_GT(played["player"]["Kills"].get<int>(), 0) << "a game in which something happened";
}

// The settings that change play come from "Options.ini" when a game is recorded; the replay
// takes them from its file, whatever "Options.ini" says where it is played.
TEST_F(ReplayRunTest, ASessionPlaysBackWithItsOwnSettingsWhateverOptionsIniSaysNow) {
  const auto settings = [](int camera, const std::string& name) {
    return "Version=Tolvex 1.07\r\nGFX X=640\r\nGFX Y=480\r\nGFX Full=0\r\nGFX Camera Delay=" +
           std::to_string(camera) + "\r\nSoundEffectVolume=70\r\nMusicVolume=100\r\nSongNumber=3\r\n"
           "OnlineHighscore=0\r\nPlayer=" + name + "\r\n";
  };
  std::ofstream(folder / "Options.ini") << settings(2, "Ace of Spades");
  GiveUpAt(std::ofstream(folder / "giveup.txt"), {300});
  ASSERT_EQ(PlayAgainstDrones("--seed 5 --frame-ms 16 --frames 320 --dump 300:played.json"), 0) << ErrorText();
  std::filesystem::path file;
  ParsedReplay recorded;
  ASSERT_NO_FATAL_FAILURE(ReadOnlyReplay(file, recorded));
  EXPECT_EQ(recorded.replay.header.cameraDelay, 2);
  EXPECT_EQ(recorded.replay.header.player, "Ace of Spades");

  std::filesystem::create_directories(elsewhere);
  std::ofstream(elsewhere / "Options.ini") << settings(0, "Bob");
  ASSERT_EQ(Replay(file, "--dump 300:replayed.json"), 0) << ErrorText() << OutputText();
  auto played = ReadJson("played.json"), replayed = ReadReplayedJson("replayed.json");
  EXPECT_EQ(replayed["options"]["CameraDelay"], 0) << "the file where it is played was read";
  played.erase("options"), replayed.erase("options");
  EXPECT_EQ(replayed, played) << "and the session's own settings played";
  EXPECT_EQ(played["highscores"][0]["name"], "Ace of Spades");
}

TEST_F(ReplayRunTest, ASessionOnTheRealClockPlaysBackOnItsRecordedSteps) {
  GiveUpAt(std::ofstream(folder / "giveup.txt"), {150});
  ASSERT_EQ(PlayAgainstDrones("--frames 151 --dump 150:played.json"), 0) << ErrorText();
  std::filesystem::path file;
  ParsedReplay recorded;
  ASSERT_NO_FATAL_FAILURE(ReadOnlyReplay(file, recorded));
  EXPECT_GT(recorded.replay.steps.size(), 1u) << "real frames differ in length";
  ASSERT_EQ(recorded.replay.header.environment.size(), 1u) << "the spawned ships belong to the session";

  ASSERT_EQ(Replay(file, "--dump 150:replayed.json"), 0) << ErrorText() << OutputText();
  auto played = ReadJson("played.json"), replayed = ReadReplayedJson("replayed.json");
  // Only the time stamps of new highscore entries differ: a replay's calendar is its own. The
  // clock, the world and the player are the same to the millisecond and the last bit.
  played.erase("highscores"), replayed.erase("highscores");
  EXPECT_EQ(replayed, played);
}

// Paused by a lost focus, P and the pad's Start, on the real clock: the replay holds the pad and the
// focus and stands still where the session stood still.
TEST_F(ReplayRunTest, APausedSessionWithAPadPlaysBackExactly) {
  {
    std::ofstream script(folder / "giveup.txt");
    script << "5 pad axis lefty -32000\n30 focus lost\n60 key 80 down\n61 key 80 up\n"
              "90 pad button start down\n91 pad button start up\n120 pad button start down\n121 pad button start up\n";
    GiveUpAt(std::move(script), {150});
  }
  ASSERT_EQ(PlayAgainstDrones("--frames 151 --dump 45:paused.json --dump 150:played.json"), 0) << ErrorText();
  EXPECT_EQ(ReadJson("paused.json")["paused"], true);
  std::filesystem::path file;
  ParsedReplay recorded;
  ASSERT_NO_FATAL_FAILURE(ReadOnlyReplay(file, recorded));
  const std::string text = test::FileText(file);
  for (const char* line : {"\n5 pad axis lefty -32000\n", "\n30 focus lost\n", "\n90 pad button start down\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  const bool standsStill = std::any_of(recorded.replay.steps.begin(), recorded.replay.steps.end(),
                                       [](const ReplayStep& step) { return step.frame > 30 && step.stepMs == 0; });
  EXPECT_TRUE(standsStill) << "the clock's steps are 0 while paused";

  ASSERT_EQ(Replay(file, "--dump 45:paused.json --dump 150:replayed.json"), 0) << ErrorText() << OutputText();
  auto played = ReadJson("played.json"), replayed = ReadReplayedJson("replayed.json");
  played.erase("highscores"), replayed.erase("highscores");
  EXPECT_EQ(replayed, played);
  EXPECT_EQ(ReadReplayedJson("paused.json"), ReadJson("paused.json"));
}

TEST_F(ReplayRunTest, AReplayThatGoesAnotherWaySaysSoAndWritesNoFiles) {
  GiveUpAt(std::ofstream(folder / "giveup.txt"), {100});
  ASSERT_EQ(Run("--headless --start game --size 640x480 --seed 2 --frame-ms 16 --frames 101 --input giveup.txt"), 0);
  const auto files = Replays();
  ASSERT_EQ(files.size(), 1u);
  // The recording says the game ended with a point more than it did.
  std::string text = test::FileText(files[0]);
  const auto game = text.find("game 1 100 ");
  ASSERT_NE(game, std::string::npos) << text.substr(0, 400);
  const auto points = text.find(' ', game + 11);
  const int recorded = std::stoi(text.substr(game + 11, points - game - 11));
  text.replace(game + 11, points - game - 11, std::to_string(recorded + 1));
  std::ofstream(folder / "changed.txt") << text;

  EXPECT_EQ(Replay(folder / "changed.txt", ""), 1);
  EXPECT_NE(OutputText().find("went another way"), std::string::npos) << OutputText();
  ASSERT_EQ(Replay(files[0], ""), 0) << OutputText();
  EXPECT_FALSE(std::filesystem::exists(elsewhere / "Highscore.txt")) << "a replay enters no scores";
  EXPECT_FALSE(std::filesystem::exists(elsewhere / "replays")) << "nor saves replays of itself";
}

TEST_F(ReplayRunTest, EveryLaunchWithoutASeedPlaysItsOwnGameAndNamesAndKeepsItsSeed) {
  GiveUpAt(std::ofstream(folder / "giveup.txt"), {30});
  // The seed a launch names on the debug log.
  const auto loggedSeed = [this] {
    const std::string log = ErrorText(), label = "Random seed: ";
    const auto at = log.find(label);
    return at == std::string::npos ? std::string("none") : log.substr(at + label.size(), log.find('\n', at) - at - label.size());
  };
  ::setenv("TOLVEX_DEBUG", "1", 1);
  std::set<std::string> seeds, openings;
  for (int launch = 0; launch < 6; ++launch) {
    ASSERT_EQ(Run("--headless --start game --size 640x480 --frame-ms 16 --frames 40 --input giveup.txt "
                  "--dump 20:opening.json"),
              0)
        << ErrorText();
    seeds.insert(loggedSeed());
    openings.insert(ReadJson("opening.json")["objects"].dump());
  }
  ASSERT_EQ(Run("--headless --seed 4000000000 --frame-ms 16 --frames 2"), 0);
  ::unsetenv("TOLVEX_DEBUG");
  EXPECT_EQ(loggedSeed(), "4000000000") << "--seed is taken as it is";
  EXPECT_EQ(seeds.size(), 6u);
  EXPECT_FALSE(seeds.contains("none"));
  EXPECT_EQ(openings.size(), 6u) << "six launches, six different games";
  std::set<std::string> kept;
  for (const auto& file : Replays()) kept.insert(std::to_string(ParseReplay(test::FileText(file)).replay.header.seed));
  EXPECT_EQ(kept, seeds) << "each game's replay holds the seed it was played with";
}

TEST_F(ReplayRunTest, ASessionWithoutAFinishedGameSavesNothing) {
  ASSERT_EQ(Run("--headless --size 640x480 --seed 2 --frame-ms 16 --frames 30"), 0) << ErrorText();
  EXPECT_TRUE(Replays().empty());
}

TEST_F(ReplayRunTest, UnplayableReplaysAndClashingOptionsExitWith2) {
  std::ofstream(folder / "bad.txt") << "Tolvex replay 1\nseed 1\nsize 640x480\ngame 1 5 0 0\nframes 5\n3 key 300 down\n";
  EXPECT_EQ(Run("--headless --replay bad.txt"), 2);
  EXPECT_NE(ErrorText().find("line 6"), std::string::npos) << ErrorText();
  EXPECT_EQ(Run("--headless --replay missing.txt"), 2);
  std::ofstream(folder / "good.txt") << "Tolvex replay 1\nseed 1\nsize 640x480\ngame 1 5 0 0\nframes 5\n";
  EXPECT_EQ(Run("--headless --replay good.txt --seed 3"), 2);
  EXPECT_EQ(Run("--headless --replay good.txt --autopilot"), 2);
}

}  // namespace
}  // namespace tolvex
