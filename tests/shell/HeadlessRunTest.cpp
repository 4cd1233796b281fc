// The real program, run headless: it must start, draw, write its files and stop by itself.
#include <algorithm>
#include <cmath>
#include <set>

#include "BuildPaths.h"
#include "platform/Image.h"
#include "support/ProgramRunTest.h"

namespace tolvex {
namespace {

using HeadlessRunTest = ProgramRunTest;

TEST_F(HeadlessRunTest, RunsFramesAndWritesScreenshotAndDump) {
  ASSERT_EQ(Run("--headless --frames 120 --frame-ms 16 --seed 1 --screenshot 60:shot.png --dump 120:state.json"), 0)
      << ErrorText();
  const auto picture = LoadPixmap((folder / "shot.png").string());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 1280);
  EXPECT_EQ(picture->height, 720);
  // The running scene fills the picture: hardly a pixel of the backdrop is black, and it is no flat colour.
  const auto black = std::count_if(picture->pixels.begin(), picture->pixels.end(), [](auto p) { return !(p & 0xFFFFFF); });
  EXPECT_LT(black, 1280 * 720 / 10);
  EXPECT_GT(std::set<std::uint32_t>(picture->pixels.begin(), picture->pixels.end()).size(), 1000u);
  const auto dump = ReadJson("state.json");
  EXPECT_EQ(dump["frame"], 120);
  EXPECT_EQ(dump["clock"], 1920);
  EXPECT_EQ(dump["state"], 1);
  EXPECT_TRUE(dump["objects"].is_array());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "screenshots"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "music"));
}

TEST_F(HeadlessRunTest, SizeAndScriptedEscapeEndTheMenu) {
  std::ofstream(folder / "input.txt") << "5 key 27 down\n6 key 27 up\n";
  ASSERT_EQ(Run("--headless --size 640x480 --frames 100 --frame-ms 10 --input input.txt --dump 5:state.json"), 0)
      << ErrorText();
  EXPECT_TRUE(std::filesystem::exists(folder / "state.json"));
  // Escape on the main menu ends the program before frame 100: no later dump is written.
  std::ofstream(folder / "input2.txt") << "5 key 27 down\n";
  ASSERT_EQ(Run("--headless --frames 100 --frame-ms 10 --input input2.txt --dump 50:late.json"), 0);
  EXPECT_FALSE(std::filesystem::exists(folder / "late.json"));
}

// (An interrupt, Ctrl-C, behaves alike; a shell starts background commands with it ignored, so
// this test sends a termination.)
TEST_F(HeadlessRunTest, ATerminationEndsAHeadlessRun) {
  // The signal a second after the start; the run has five seconds to end before it is killed.
  const std::string command = "cd '" + folder.string() + "' && { '" TOLVEX_PROGRAM
                              "' --headless --size 320x240 --frames 100000000 & } ; sleep 1; kill -TERM $!; "
                              "for i in $(seq 50); do kill -0 $! 2>/dev/null || exit 0; sleep 0.1; done; "
                              "kill -9 $!; exit 1";
  EXPECT_EQ(std::system(command.c_str()), 0) << "the run went on";
}

// How fast the player's ship flies in a dump.
float ShipSpeed(const nlohmann::json& dump) {
  const float x = dump["player"]["Speed_x"], y = dump["player"]["Speed_y"];
  return std::sqrt(x * x + y * y);
}

TEST_F(HeadlessRunTest, AScriptedPadStickThrustsTheShip) {
  std::ofstream(folder / "still.txt") << "# nothing\n";
  std::ofstream(folder / "pad.txt") << "1 pad axis lefty -32000\n";
  const std::string run = "--headless --start game --size 640x480 --frames 60 --frame-ms 16 --seed 4 --dump 60:";
  ASSERT_EQ(Run(run + "still.json --input still.txt"), 0) << ErrorText();
  ASSERT_EQ(Run(run + "pad.json --input pad.txt"), 0) << ErrorText();
  const auto still = ReadJson("still.json"), pad = ReadJson("pad.json");
  EXPECT_LT(ShipSpeed(still), 0.5f);
  EXPECT_GT(ShipSpeed(pad), 5.0f) << "the stick leant forward holds W";
}

TEST_F(HeadlessRunTest, PFreezesTheShipUntilTheNextP) {
  std::ofstream(folder / "pause.txt") << "1 key 87 down\n20 key 80 down\n21 key 80 up\n80 key 80 down\n81 key 80 up\n";
  ASSERT_EQ(Run("--headless --start game --size 640x480 --frames 100 --frame-ms 16 --seed 4 --input pause.txt "
                "--dump 20:a.json --dump 50:b.json --dump 79:c.json --dump 100:d.json"),
            0)
      << ErrorText();
  const auto a = ReadJson("a.json"), b = ReadJson("b.json"), c = ReadJson("c.json"), d = ReadJson("d.json");
  EXPECT_EQ(b["paused"], true);
  for (const auto* dump : {&b, &c}) {
    EXPECT_EQ((*dump)["player"]["X"], a["player"]["X"]);
    EXPECT_EQ((*dump)["player"]["Y"], a["player"]["Y"]);
    EXPECT_EQ((*dump)["clock"], a["clock"]);
  }
  EXPECT_FALSE(d.contains("paused"));
  EXPECT_NE(d["player"]["Y"], a["player"]["Y"]) << "flying on after the second P";
}

TEST_F(HeadlessRunTest, BadCommandLinesExitWith2AndSayWhy) {
  EXPECT_EQ(Run("--warp 9"), 2);
  EXPECT_NE(ErrorText().find("--warp"), std::string::npos);
  std::ofstream(folder / "bad.txt") << "1 key 87 down\nnonsense\n";
  EXPECT_EQ(Run("--headless --input bad.txt"), 2);
  EXPECT_NE(ErrorText().find("line 2"), std::string::npos);
  EXPECT_EQ(Run("--headless --input missing.txt"), 2);
  std::ofstream(folder / "badpad.txt") << "1 pad axis lefty -32000\n2 pad button turbo down\n";
  EXPECT_EQ(Run("--headless --input badpad.txt"), 2);
  const std::string said = ErrorText();
  EXPECT_NE(said.find("line 2 is malformed: 2 pad button turbo down"), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "one line";
}

}  // namespace
}  // namespace tolvex
