// A start in a window as a player makes it, with SDL free to pick its sound driver: on a machine
// without a sound card the sound system's complaints ("ALSA lib ...") never reach the terminal,
// and the game says in one line of its debug log that it runs silent.
#include <sstream>

#include "support/ProgramRunTest.h"

namespace tolvex {
namespace {

class QuietStartTest : public ProgramRunTest {
 protected:
  void SetUp() override {
    std::ofstream(folder / "Options.ini") << "Version=Tolvex 1.07\nGFX X=320\nGFX Y=240\nGFX Full=0\n"
                                             "SoundEffectVolume=70\nMusicVolume=100\nSongNumber=3\n"
                                             "OnlineHighscore=0\nPlayer=Kim\n";
    // The tests pick SDL's silent sound driver for themselves; a player's start does not.
    launcher = "env -u SDL_AUDIODRIVER SDL_VIDEODRIVER=dummy ";
  }
  std::vector<std::string> ErrorLines() const {
    std::vector<std::string> lines;
    std::istringstream text(ErrorText());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }
};

TEST_F(QuietStartTest, NothingFromTheSoundSystemReachesTheTerminal) {
  ASSERT_EQ(Run("--frames 5 --frame-ms 16"), 0) << ErrorText();
  EXPECT_EQ(ErrorText(), "");
}

TEST_F(QuietStartTest, ASilentStartIsOneLineOfTheDebugLog) {
  launcher += "TOLVEX_DEBUG=1 ";
  ASSERT_EQ(Run("--frames 5 --frame-ms 16"), 0) << ErrorText();
  int silent = 0;
  for (const std::string& line : ErrorLines()) {
    EXPECT_FALSE(line.starts_with("ALSA")) << line;
    if (line.find("runs silent") != std::string::npos) {
      ++silent;
      EXPECT_TRUE(line.starts_with("No sound device (")) << line;
    }
  }
  // A machine with a sound card opens it and has nothing to say.
  EXPECT_LE(silent, 1) << ErrorText();
}

}  // namespace
}  // namespace tolvex
