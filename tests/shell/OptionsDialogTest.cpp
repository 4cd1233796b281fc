// The first-run settings window driven by scripted input: clicking a field, typing, Enter ending
// the field, a second Enter closing the window and writing "Options.ini"; Escape writing nothing.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "WorkingFolderTest.h"
#include "support/FailingDisk.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "shell/Options.h"
#include "shell/OptionsDialog.h"

namespace tolvex {
namespace {

// Points inside the fields of the 400 × 300 window.
constexpr float kPlayerX = 200, kPlayerY = 70;
constexpr float kResolutionXX = 100, kResolutionXY = 120;
constexpr float kMusicX = 100, kMusicY = 220;

// Input for the window, frame by frame; after the last scripted frame it presses Escape so a
// test that went wrong ends instead of waiting for a player.
class DialogScript {
 public:
  DialogScript& At(int frame, std::function<void()> action) {
    actions_.emplace(frame, std::move(action));
    return *this;
  }
  DialogScript& Click(int frame, float x, float y) {
    return At(frame, [x, y] {
      FeedMouseMove(x, y);
      FeedButton(1, true);
      FeedButton(1, false);
    });
  }
  DialogScript& Key(int frame, int key) {
    return At(frame, [key] {
      FeedKey(key, true);
      FeedKey(key, false);
    });
  }
  DialogScript& Type(int frame, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) At(frame + static_cast<int>(i), [c = text.substr(i, 1)] { FeedText(c); });
    return *this;
  }
  // Backspace on `count` frames from `frame` on.
  DialogScript& Erase(int frame, int count) {
    for (int i = 0; i < count; ++i) Key(frame + i, KEY_BACKSPACE);
    return *this;
  }

  DialogFrameHook Hook() {
    return [this](int frame) {
      lastFrame = frame;
      const auto [first, last] = actions_.equal_range(frame);
      for (auto it = first; it != last; ++it) it->second();
      if (actions_.empty() || frame > actions_.rbegin()->first + 5) {
        escapedByTimeout = true;
        FeedKey(KEY_ESCAPE, true);
      }
    };
  }

  int lastFrame = 0;
  bool escapedByTimeout = false;

 private:
  std::multimap<int, std::function<void()>> actions_;
};

using OptionsDialogTest = test::WorkingFolderTest;

TEST_F(OptionsDialogTest, TypedResolutionIsWrittenAfterTwoEnters) {
  DialogScript script;
  script.Click(1, kResolutionXX, kResolutionXY).Erase(2, 6).Type(8, "12a-80").Key(14, KEY_ENTER).Key(15, KEY_ENTER);
  ASSERT_TRUE(LoadOptions(FirstRun::AskPlayer, script.Hook()));
  EXPECT_FALSE(script.escapedByTimeout);
  EXPECT_EQ(script.lastFrame, 15) << "the first Enter only ends the field; the second closes the window";
  EXPECT_EQ(GfxWidth, 1280) << "letters and signs are not taken by a digits-only field";
  const std::string file = Read(kOptionsFile);
  EXPECT_TRUE(file.starts_with("Version=Tolvex 1.07\r\nGFX X=1280\r\n")) << file;
  EXPECT_NE(file.find("\r\nSoundEffectVolume=70\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\r\nPlayer=New Player\r\n"), std::string::npos) << file;
}

TEST_F(OptionsDialogTest, EscapeEndsTheProgramWithoutWritingAnything) {
  DialogScript script;
  script.Click(1, kResolutionXX, kResolutionXY).Type(2, "5").Key(3, KEY_ESCAPE);
  EXPECT_FALSE(LoadOptions(FirstRun::AskPlayer, script.Hook()));
  EXPECT_EQ(script.lastFrame, 3);
  EXPECT_FALSE(std::filesystem::exists(folder / kOptionsFile));
}

TEST_F(OptionsDialogTest, TheWindowsCloseButtonEndsTheProgramWithoutWritingAnything) {
  DialogScript script;
  script.At(2, [] { FeedCloseRequest(); });
  EXPECT_FALSE(LoadOptions(FirstRun::AskPlayer, script.Hook()));
  EXPECT_EQ(script.lastFrame, 2);
  EXPECT_FALSE(std::filesystem::exists(folder / kOptionsFile));
}

TEST_F(OptionsDialogTest, EnterWithNoFieldActiveConfirmsTheStartingValues) {
  SetDefaultOptions(1024, 768, 32);
  DialogScript script;
  script.Key(1, KEY_ENTER);
  EXPECT_EQ(OptionsDialog(script.Hook()), DialogResult::Confirmed);
  EXPECT_EQ(script.lastFrame, 1);
  EXPECT_EQ(GfxWidth, 1024);
  EXPECT_EQ(GfxHeight, 768);
  EXPECT_EQ(GfxDepth, 32);
  EXPECT_EQ(OnlineHighscore, 1);
  EXPECT_FLOAT_EQ(MusicVolume, 1.0f);
  EXPECT_FLOAT_EQ(SfxVolume, 0.7f);
  EXPECT_EQ(PlayerName, "New Player");
}

TEST_F(OptionsDialogTest, ThePlayerNameLosesItsOuterSpaces) {
  SetDefaultOptions(1024, 768, 32);
  DialogScript script;
  script.Click(1, kPlayerX, kPlayerY).Erase(2, 10).Type(12, "  Zed Q  ").Key(21, KEY_ENTER).Key(22, KEY_ENTER);
  EXPECT_EQ(OptionsDialog(script.Hook()), DialogResult::Confirmed);
  EXPECT_EQ(PlayerName, "Zed Q");
}

TEST_F(OptionsDialogTest, AnEmptiedNameIsSavedEmptyAndPlayedAsPilot) {
  DialogScript script;
  script.Click(1, kPlayerX, kPlayerY).Erase(2, 12).Key(14, KEY_ENTER).Key(15, KEY_ENTER);
  ASSERT_TRUE(LoadOptions(FirstRun::AskPlayer, script.Hook()));
  EXPECT_EQ(PlayerName, "Pilot");
  EXPECT_NE(Read(kOptionsFile).find("\r\nPlayer=\r\n"), std::string::npos);
}

TEST_F(OptionsDialogTest, ClickingAnotherFieldMovesTheFocusAndSwitchesReadTheirLowByte) {
  SetDefaultOptions(1024, 768, 32);
  DialogScript script;
  // Into "Resolution X", then straight on to "Music Volume %": the typing lands in the second.
  script.Click(1, kResolutionXX, kResolutionXY).Click(2, kMusicX, kMusicY).Erase(3, 3).Type(6, "45");
  // "Fullscreen 0/1" = 256: its low byte is 0, so a window.
  script.Click(8, 100, 170).Erase(9, 1).Type(10, "256").Key(13, KEY_ENTER).Key(14, KEY_ENTER);
  EXPECT_EQ(OptionsDialog(script.Hook()), DialogResult::Confirmed);
  EXPECT_EQ(GfxWidth, 1024);
  EXPECT_FLOAT_EQ(MusicVolume, 0.45f);
  EXPECT_EQ(GfxDepth, 0);
}

// A first run whose settings cannot be written plays on with what the player confirmed.
TEST_F(OptionsDialogTest, SettingsThatCannotBeSavedInAReadOnlyFolderStillStartTheGame) {
  DialogScript script;
  script.Click(1, kPlayerX, kPlayerY).Type(2, "X").Key(4, KEY_ENTER).Key(5, KEY_ENTER);
  {
    const test::ReadOnlyFolder readOnly(folder);
    ASSERT_TRUE(LoadOptions(FirstRun::AskPlayer, script.Hook()));
  }
  EXPECT_EQ(PlayerName, "New PlayerX");
  EXPECT_TRUE(std::filesystem::is_empty(folder)) << "no file and no half-written copy";
}

TEST_F(OptionsDialogTest, AFolderNamedLikeTheSettingsFileIsAFirstRunAndIsLeftAlone) {
  std::filesystem::create_directories(folder / kOptionsFile / "inside");
  DialogScript script;
  script.Key(1, KEY_ENTER);
  ASSERT_TRUE(LoadOptions(FirstRun::AskPlayer, script.Hook()));
  EXPECT_EQ(script.lastFrame, 1) << "the window was shown";
  EXPECT_EQ(PlayerName, "New Player");
  EXPECT_TRUE(std::filesystem::is_directory(folder / kOptionsFile / "inside"));
}

}  // namespace
}  // namespace tolvex
