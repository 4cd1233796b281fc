// The real program with "Options.ini" in its folder: headless runs read it and never write it,
// "--size" wins over it, screen sizes no screen can have end with the notice, and online
// highscores stay on only with a server that takes this version.
#include <cstdlib>

#include "platform/Image.h"
#include "scores/ScriptedServer.h"
#include "support/ProgramRunTest.h"
#include "support/TestPorts.h"

namespace tolvex {
namespace {

class OptionsRunTest : public ProgramRunTest {
 protected:
  void WriteOptions(const std::string& width, const std::string& height, const std::string& extra = "") {
    std::ofstream(folder / "Options.ini") << "Version=Tolvex 1.07\nGFX X=" << width << "\nGFX Y=" << height
                                          << "\nGFX Full=1\nSoundEffectVolume=40\nMusicVolume=0\nPlayer=Kim\n"
                                          << extra;
  }
};

TEST_F(OptionsRunTest, HeadlessWithoutAFileUsesTheDefaultsAndWritesNothing) {
  ASSERT_EQ(Run("--headless --frames 2 --frame-ms 16 --seed 1 --dump 2:state.json"), 0) << ErrorText();
  EXPECT_FALSE(std::filesystem::exists(folder / "Options.ini"));
  const auto options = ReadJson("state.json")["options"];
  EXPECT_EQ(options["GfxWidth"], 1280);
  EXPECT_EQ(options["GfxHeight"], 720);
  EXPECT_EQ(options["GfxDepth"], 0);
  EXPECT_EQ(options["SongNumber"], 3);
  EXPECT_EQ(options["OnlineHighscore"], 0);
  EXPECT_EQ(options["PlayerName"], "New Player");
}

TEST_F(OptionsRunTest, HeadlessReadsTheFileAndDrawsAtItsSize) {
  WriteOptions("800", "600");
  ASSERT_EQ(Run("--headless --frames 2 --frame-ms 16 --seed 1 --screenshot 2:shot.png --dump 2:state.json"), 0)
      << ErrorText();
  const auto picture = LoadPixmap((folder / "shot.png").string());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 800);
  EXPECT_EQ(picture->height, 600);
  const auto dump = ReadJson("state.json");
  EXPECT_EQ(dump["options"]["PlayerName"], "Kim");
  EXPECT_EQ(dump["options"]["GfxDepth"], 32) << "as read; a headless run still draws offscreen";
  EXPECT_FLOAT_EQ(dump["options"]["SfxVolume"].get<float>(), 0.4f);
  EXPECT_EQ(dump["music"]["on"], false);
  EXPECT_EQ(dump["music"]["current"], "music deactivated");
}

TEST_F(OptionsRunTest, SizeOnTheCommandLineWinsOverTheFile) {
  WriteOptions("800", "600");
  ASSERT_EQ(Run("--headless --size 640x480 --frames 2 --frame-ms 16 --screenshot 2:shot.png"), 0) << ErrorText();
  const auto picture = LoadPixmap((folder / "shot.png").string());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 640);
  EXPECT_EQ(picture->height, 480);
}

TEST_F(OptionsRunTest, ImpossibleScreenSizesEndWithTheNoticeAndACleanExit) {
  for (const auto& [width, height] : std::vector<std::pair<std::string, std::string>>{
           {"0", "0"}, {"-640", "480"}, {"100000", "100000"}, {"800", "abc"}}) {
    WriteOptions(width, height);
    EXPECT_EQ(Run("--headless --frames 5 --frame-ms 16 --dump 5:state.json"), 1) << width << " x " << height;
    EXPECT_NE(ErrorText().find("graphicsmode not possible: "), std::string::npos) << ErrorText();
    EXPECT_NE(ErrorText().find("please change graphicsmode in Options.ini file"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "state.json"));
  }
}

TEST_F(OptionsRunTest, OnlineHighscoresStayOnForTheRunOnlyWhenTheServerTakesThisVersion) {
  WriteOptions("640", "480", "OnlineHighscore=1\n");
  ScriptedServer accepting(AnswerWith("HTTP/1.0 200 OK\r\n\r\n[true]\r\n"));
  ScriptedServer refusing(AnswerWith("HTTP/1.0 200 OK\r\n\r\n[false]\r\n"));
  const std::string nobody = "127.0.0.1:" + std::to_string(TakeTestPort(PortIsFree));
  for (const auto& [server, online] : std::vector<std::pair<std::string, bool>>{
           {accepting.Address(), true}, {refusing.Address(), false}, {nobody, false}}) {
    ::setenv("TOLVEX_HIGHSCORE_SERVER", server.c_str(), 1);
    const int status = Run("--headless --start highscore --frames 1 --frame-ms 16 --dump 1:state.json");
    ::unsetenv("TOLVEX_HIGHSCORE_SERVER");
    ASSERT_EQ(status, 0) << ErrorText();
    // The highscore screen offers the online update only while online highscores are on.
    const auto dump = ReadJson("state.json");
    bool update = false;
    for (const auto& button : dump["menu"]["buttons"]) update |= button["command"] == "updatehighscore";
    EXPECT_EQ(update, online) << server;
  }
  EXPECT_EQ(accepting.Connections(), 1);
  EXPECT_EQ(refusing.Connections(), 1);
}

TEST_F(OptionsRunTest, SongsInTheMusicFolderMakeTheSeededPlaylist) {
  std::filesystem::create_directories(folder / "music");
  for (const char* name : {"Alpha.ogg", "Beta.ogg", "Gamma.ogg", "Delta.ogg", "notes.txt"}) {
    std::ofstream(folder / "music" / name) << "not really a song";
  }
  ASSERT_EQ(Run("--headless --frames 3 --frame-ms 16 --seed 4 --dump 3:first.json"), 0) << ErrorText();
  ASSERT_EQ(Run("--headless --frames 3 --frame-ms 16 --seed 4 --dump 3:second.json"), 0) << ErrorText();
  const auto music = ReadJson("first.json")["music"];
  EXPECT_EQ(music["on"], true);
  ASSERT_EQ(music["songs"].size(), 3u);
  EXPECT_EQ(music, ReadJson("second.json")["music"]) << "the same seed picks the same songs";
}

}  // namespace
}  // namespace tolvex
