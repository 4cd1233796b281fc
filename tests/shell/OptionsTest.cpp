// "Options.ini": looking keys up, the conversions of every setting, the first-run defaults,
// the ten lines written, and files that are missing, outdated, empty, binary, huge or a folder.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include <nlohmann/json.hpp>

#include "WorkingFolderTest.h"
#include "support/FailingDisk.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "shell/Options.h"

namespace tolvex {
namespace {

// A valid file: the version line, then the given lines.
std::string OptionsText(const std::string& lines) { return "Version=Tolvex 1.07\r\n" + lines; }

// A complete file as the game writes it, with one line replaced.
std::string FullOptions(const std::string& key, const std::string& value) {
  const char* keys[] = {"GFX X", "GFX Y", "GFX Full", "GFX Camera Delay", "SoundEffectVolume", "MusicVolume",
                        "SongNumber", "OnlineHighscore", "Player"};
  const char* values[] = {"800", "600", "0", "1", "70", "100", "3", "1", "Ace"};
  std::string text;
  for (int i = 0; i < 9; ++i) text += std::string(keys[i]) + "=" + (key == keys[i] ? value : values[i]) + "\r\n";
  return OptionsText(text);
}

TEST(ReadOptionTest, FindsTheFirstLineWhoseKeyMatchesExactly) {
  std::istringstream file("Player=Ace\nplayer=lower\nGFX X=1024\nGFX X=640\nnothing here\nEquation=a=b\r\n");
  EXPECT_EQ(ReadOption(file, "GFX X"), "1024");
  EXPECT_EQ(ReadOption(file, "Player"), "Ace") << "rewinds before every look-up";
  EXPECT_EQ(ReadOption(file, "player"), "lower") << "keys are case-sensitive";
  EXPECT_EQ(ReadOption(file, "Equation"), "a=b") << "the value runs from the first '=' to the end of the line";
  EXPECT_EQ(ReadOption(file, "nothing here"), "0") << "a line without '=' never matches";
  EXPECT_EQ(ReadOption(file, "GFX"), "0") << "a key is the whole text before '='";
  EXPECT_EQ(ReadOption(file, "Missing"), "0");
}

TEST(ReadOptionTest, AnEmptyValueIsEmptyNotZero) {
  std::istringstream file("Player=\r\n");
  EXPECT_EQ(ReadOption(file, "Player"), "");
}

TEST(VolumePercentTest, IsTheCeilingOfTheVolumeTimesAHundred) {
  EXPECT_EQ(VolumePercent(0.7f), 70);
  EXPECT_EQ(VolumePercent(1.0f), 100);
  EXPECT_EQ(VolumePercent(0.0f), 0);
  EXPECT_EQ(VolumePercent(0.1f), 10) << "0.1f lies a hair above 0.1";
  EXPECT_EQ(VolumePercent(0.57f), 57);
  EXPECT_EQ(VolumePercent(0.705f), 71) << "a fraction of a percent rounds up";
  EXPECT_EQ(VolumePercent(1e30f), 1000000000) << "held to a number the file can hold";
  for (int percent = 0; percent <= 1000; ++percent) {
    ASSERT_EQ(VolumePercent(static_cast<float>(percent) / 100.0f), percent) << "read back unchanged";
  }
  for (const int percent : {16777, 311130, 9999999, -250000}) {
    EXPECT_EQ(VolumePercent(static_cast<float>(percent) / 100.0f), percent) << "far beyond any float's last bit";
  }
}

class OptionsTest : public test::WorkingFolderTest {
 protected:
  // Reads a complete file with one line's value replaced.
  void LoadWith(const std::string& key, const std::string& value) {
    Write(kOptionsFile, FullOptions(key, value));
    ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  }
};

TEST_F(OptionsTest, ReadsEverySettingWithItsConversion) {
  Write(kOptionsFile, OptionsText("GFX X=1920\r\nGFX Y=1080\r\nGFX Full=1\r\nGFX Camera Delay=2\r\n"
                                  "SoundEffectVolume=35\r\nMusicVolume=80\r\nSongNumber=5\r\n"
                                  "OnlineHighscore=0\r\nPlayer=Major Tom\r\n"));
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(GfxWidth, 1920);
  EXPECT_EQ(GfxHeight, 1080);
  EXPECT_EQ(GfxDepth, 32);
  EXPECT_EQ(CameraDelay, 2);
  EXPECT_FLOAT_EQ(SfxVolume, 0.35f);
  EXPECT_FLOAT_EQ(MusicVolume, 0.8f);
  EXPECT_EQ(SongNumber, 5);
  EXPECT_EQ(OnlineHighscore, 0);
  EXPECT_EQ(PlayerName, "Major Tom");
}

TEST_F(OptionsTest, FullScreenIsAnyValueAfterZeroInTextOrder) {
  for (const auto& [value, depth] : std::vector<std::pair<std::string, int>>{
           {"yes", 32}, {"1", 32}, {"00", 32}, {"-1", 0}, {"0", 0}, {"", 0}, {" 1", 0}}) {
    LoadWith("GFX Full", value);
    EXPECT_EQ(GfxDepth, depth) << "GFX Full=" << value;
  }
}

TEST_F(OptionsTest, CameraModesAboveTwoBecomeZeroAfterTakingTheLowByte) {
  for (const auto& [value, mode] : std::vector<std::pair<std::string, int>>{
           {"7", 0}, {"2", 2}, {"1", 1}, {"258", 2}, {"-1", 0}, {"3", 0}, {"x", 0}}) {
    LoadWith("GFX Camera Delay", value);
    EXPECT_EQ(CameraDelay, mode) << "GFX Camera Delay=" << value;
  }
}

TEST_F(OptionsTest, NegativeSongNumbersTurnTheMusicOffAndHugeOnesAreKept) {
  LoadWith("SongNumber", "-4");
  EXPECT_EQ(SongNumber, 0);
  LoadWith("SongNumber", "99999999999999999999");
  EXPECT_EQ(SongNumber, INT_MAX);
}

TEST_F(OptionsTest, VolumesAreHundredthsWithoutClamping) {
  Write(kOptionsFile, OptionsText("SoundEffectVolume=250\r\nMusicVolume=-20\r\n"));
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_FLOAT_EQ(SfxVolume, 2.5f);
  EXPECT_FLOAT_EQ(MusicVolume, -0.2f);
  Write(kOptionsFile, OptionsText("SoundEffectVolume=nan\r\nMusicVolume=1e999\r\n"));
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(SfxVolume, 0.0f) << "not a number of the game";
  EXPECT_EQ(MusicVolume, 0.0f);
}

TEST_F(OptionsTest, OnlineHighscoreIsOnForAnyNonZeroLowByte) {
  for (const auto& [value, on] : std::vector<std::pair<std::string, int>>{{"1", 1}, {"7", 1}, {"256", 0}, {"0", 0}, {"no", 0}}) {
    LoadWith("OnlineHighscore", value);
    EXPECT_EQ(OnlineHighscore, on) << "OnlineHighscore=" << value;
  }
}

TEST_F(OptionsTest, AnEmptyPlayerNameBecomesPilotAndOthersStayAsWritten) {
  LoadWith("Player", "");
  EXPECT_EQ(PlayerName, "Pilot");
  LoadWith("Player", "  Spaced Out ");
  EXPECT_EQ(PlayerName, "  Spaced Out ");
}

TEST_F(OptionsTest, AMissingKeyReadsAsZero) {
  Write(kOptionsFile, "Version=Tolvex 1.07\n");
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(GfxWidth, 0);
  EXPECT_EQ(GfxHeight, 0);
  EXPECT_EQ(GfxDepth, 0);
  EXPECT_EQ(CameraDelay, 0);
  EXPECT_EQ(SfxVolume, 0.0f);
  EXPECT_EQ(MusicVolume, 0.0f);
  EXPECT_EQ(SongNumber, 0);
  EXPECT_EQ(OnlineHighscore, 0);
  EXPECT_EQ(PlayerName, "0");
}

TEST_F(OptionsTest, HeadlessFirstRunTakesTheDefaultsAndWritesNothing) {
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(GfxWidth, 1280);
  EXPECT_EQ(GfxHeight, 720);
  EXPECT_EQ(GfxDepth, 0);
  EXPECT_EQ(CameraDelay, 0);
  EXPECT_FLOAT_EQ(SfxVolume, 0.7f);
  EXPECT_FLOAT_EQ(MusicVolume, 1.0f);
  EXPECT_EQ(SongNumber, 3);
  EXPECT_EQ(OnlineHighscore, 0) << "a headless run stays offline unless its file says otherwise";
  EXPECT_EQ(PlayerName, "New Player");
  EXPECT_FALSE(std::filesystem::exists(folder / kOptionsFile));
}

TEST_F(OptionsTest, AHandEditedFileIsReadAndLeftAsItIsByteForByte) {
  const std::string edited = "Version=Tolvex 1.07\nGFX X=1024\nGFX Y=768\nGFX Full=yes\nGFX Camera Delay=7\n"
                             "SoundEffectVolume=55\nMusicVolume=0\nPlayer=Kim\nmy notes, not a setting\n";
  for (const FirstRun start : {FirstRun::AskPlayer, FirstRun::UseDefaults}) {
    Write(kOptionsFile, edited);
    ASSERT_TRUE(LoadOptions(start));
    EXPECT_EQ(GfxDepth, 32);
    EXPECT_EQ(CameraDelay, 0);
    EXPECT_EQ(Read(kOptionsFile), edited);
  }
}

TEST_F(OptionsTest, AnotherVersionsFileIsAFirstRunAndIsLeftAlone) {
  const std::string old = "Version=Tolvex 1.06\r\nGFX X=640\r\n";
  Write(kOptionsFile, old);
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(GfxWidth, 1280);
  EXPECT_EQ(Read(kOptionsFile), old);
}

TEST_F(OptionsTest, EmptyBinaryAndFolderFilesAreFirstRuns) {
  Write(kOptionsFile, "");
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(GfxWidth, 1280);

  std::string binary;
  for (int i = 0; i < 5000; ++i) binary += static_cast<char>((i * 131) % 256);
  Write(kOptionsFile, binary);
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(PlayerName, "New Player");

  std::filesystem::remove(folder / kOptionsFile);
  std::filesystem::create_directory(folder / kOptionsFile);
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(GfxWidth, 1280);
  EXPECT_FALSE(SaveOptions()) << "a folder cannot be written as the file";
}

TEST_F(OptionsTest, AnEditorsByteOrderMarkDoesNotHideTheVersion) {
  Write(kOptionsFile, "\xEF\xBB\xBF" + FullOptions("Player", "Marked"));
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(PlayerName, "Marked");
}

TEST_F(OptionsTest, AHundredMegabyteFileIsReadFromItsStartOnly) {
  {
    std::ofstream out(folder / kOptionsFile, std::ios::binary);
    out << FullOptions("Player", "Big");
    const std::string junk(1 << 20, 'x');
    for (int i = 0; i < 100; ++i) out << junk;
    out << "\nGFX X=1\n";
  }
  ASSERT_TRUE(LoadOptions(FirstRun::UseDefaults));
  EXPECT_EQ(PlayerName, "Big");
  EXPECT_EQ(GfxWidth, 800) << "a line far beyond what the game writes is not looked at";
}

TEST_F(OptionsTest, SavedFileHoldsExactlyTheTenLinesInOrder) {
  SetDefaultOptions(1920, 1080, 24);
  ASSERT_TRUE(SaveOptions());
  EXPECT_EQ(Read(kOptionsFile),
            "Version=Tolvex 1.07\r\nGFX X=1920\r\nGFX Y=1080\r\nGFX Full=1\r\nGFX Camera Delay=0\r\n"
            "SoundEffectVolume=70\r\nMusicVolume=100\r\nSongNumber=3\r\nOnlineHighscore=1\r\nPlayer=New Player\r\n");
}

TEST_F(OptionsTest, ASavedFileReadsBackTheSameSettings) {
  GfxWidth = 1024, GfxHeight = 600, GfxDepth = 0, CameraDelay = 1;
  SfxVolume = 0.33f, MusicVolume = 0.09f, SongNumber = 2, OnlineHighscore = 0, PlayerName = "Echo";
  ASSERT_TRUE(SaveOptions());
  ResetShellGlobals();
  const auto noWindowWanted = [](int) {
    ADD_FAILURE() << "a valid file never opens the settings window";
    FeedKey(KEY_ESCAPE, true);
  };
  ASSERT_TRUE(LoadOptions(FirstRun::AskPlayer, noWindowWanted));
  EXPECT_EQ(GfxWidth, 1024);
  EXPECT_EQ(GfxHeight, 600);
  EXPECT_EQ(GfxDepth, 0);
  EXPECT_EQ(CameraDelay, 1);
  EXPECT_FLOAT_EQ(SfxVolume, 0.33f);
  EXPECT_FLOAT_EQ(MusicVolume, 0.09f);
  EXPECT_EQ(SongNumber, 2);
  EXPECT_EQ(OnlineHighscore, 0);
  EXPECT_EQ(PlayerName, "Echo");
}

// The settings the player had survive a save that fails: the old file is replaced whole or not at all.
TEST_F(OptionsTest, ASaveThatFailsLeavesTheOldFileWholeAndNothingBeside) {
  const std::string old = FullOptions("Player", "Old");
  Write(kOptionsFile, old);
  SetDefaultOptions(1920, 1080, 32);
  PlayerName = std::string(4000, 'n');
  {
    const test::DiskFullAfter full(old.size() + 100);
    EXPECT_FALSE(SaveOptions()) << "a full disk";
  }
  {
    const test::ReadOnlyFolder readOnly(folder);
    EXPECT_FALSE(SaveOptions()) << "a read-only folder";
  }
  EXPECT_EQ(Read(kOptionsFile), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "no half-written copy is left";
  ASSERT_TRUE(SaveOptions()) << "with room again the next save works";
  EXPECT_TRUE(Read(kOptionsFile).starts_with("Version=Tolvex 1.07\r\nGFX X=1920\r\n"));
  EXPECT_TRUE(Read(kOptionsFile).ends_with("\r\nPlayer=" + PlayerName + "\r\n"));
}

TEST_F(OptionsTest, TheDumpShowsTheValuesAsReadNotAsLaterChanged) {
  LoadWith("SongNumber", "4");
  SongNumber = 0;  // the playlist found no songs
  nlohmann::json dump;
  DumpOptions(dump);
  const auto& options = dump["options"];
  EXPECT_EQ(options.size(), 10u);
  EXPECT_EQ(options["Version"], "Tolvex 1.07");
  EXPECT_EQ(options["GfxWidth"], 800);
  EXPECT_EQ(options["GfxHeight"], 600);
  EXPECT_EQ(options["GfxDepth"], 0);
  EXPECT_EQ(options["CameraDelay"], 1);
  EXPECT_EQ(options["SongNumber"], 4);
  EXPECT_EQ(options["OnlineHighscore"], 1);
  EXPECT_EQ(options["PlayerName"], "Ace");
}

}  // namespace
}  // namespace tolvex
