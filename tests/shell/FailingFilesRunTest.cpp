// The whole game on a disk that lets it down: a read-only folder, files where folders belong and
// folders where files belong, a full disk. Each game is played to its end; what cannot be saved is
// skipped with a line on the diagnostic log, and nothing that was there is cut short or replaced.
#include <fstream>

#include "support/FailingDisk.h"
#include "support/FileText.h"
#include "support/ProgramRunTest.h"

namespace tolvex {
namespace {

class FailingFilesRunTest : public ProgramRunTest {
 protected:
  void SetUp() override {
    ::setenv("TOLVEX_DEBUG", "1", 1);
    std::filesystem::create_directory(game);
    // A screenshot in the middle of the game, then the pilot gives up.
    std::ofstream(folder / "play.txt") << "40 key 164 down\n41 key 164 up\n100 key 27 down\n101 key 27 up\n";
  }
  void TearDown() override { ::unsetenv("TOLVEX_DEBUG"); }

  // Plays one game in the game folder to the end of its highscore screen.
  int PlayGame() {
    return Run("--headless --start game --size 320x240 --seed 4 --frame-ms 16 --games 1 --frames 400 --input '" +
                   (folder / "play.txt").string() + "'",
               game);
  }
  std::string Log() const { return test::FileText(folder / "err.txt"); }
  // The files of the game folder, whatever they are.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(game)) {
      names.push_back(std::filesystem::relative(entry.path(), game).string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  void ExpectAllSkipped() {
    EXPECT_NE(Log().find("Highscores not saved"), std::string::npos) << Log();
    EXPECT_NE(Log().find("Screenshot not saved"), std::string::npos) << Log();
    EXPECT_NE(Log().find("Replay not saved"), std::string::npos) << Log();
    EXPECT_NE(test::FileText(folder / "out.txt").find("game 1: frames 1-100"), std::string::npos) << "the game was played out";
  }

  const std::filesystem::path game = folder / "game";
};

TEST_F(FailingFilesRunTest, AGameInAReadOnlyFolderIsPlayedToTheEnd) {
  ASSERT_EQ(PlayGame(), 0) << Log();  // the folders and a highscore file of an earlier game
  const std::string highscores = test::FileText(game / "Highscore.txt");
  std::filesystem::remove_all(game / "replays");
  std::filesystem::remove_all(game / "screenshots");
  const auto before = Names();
  launcher = test::AsOrdinaryUser();
  using std::filesystem::perms;
  std::filesystem::permissions(game, perms::owner_read | perms::owner_exec | perms::group_read | perms::group_exec |
                                         perms::others_read | perms::others_exec);
  const int status = PlayGame();
  std::filesystem::permissions(game, perms::owner_all, std::filesystem::perm_options::add);
  ASSERT_EQ(status, 0) << Log();
  ExpectAllSkipped();
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(test::FileText(game / "Highscore.txt"), highscores);
}

TEST_F(FailingFilesRunTest, FilesWhereFoldersBelongAndFoldersWhereFilesBelongAreLeftAlone) {
  std::filesystem::create_directories(game / "Highscore.txt" / "inside");
  std::filesystem::create_directories(game / "Options.ini" / "inside");
  std::ofstream(game / "screenshots") << "not a folder";
  std::ofstream(game / "replays") << "not a folder either";
  ASSERT_EQ(PlayGame(), 0) << Log();
  ExpectAllSkipped();
  EXPECT_TRUE(std::filesystem::is_directory(game / "Highscore.txt" / "inside"));
  EXPECT_TRUE(std::filesystem::is_directory(game / "Options.ini" / "inside")) << "the settings are the defaults";
  EXPECT_EQ(test::FileText(game / "screenshots"), "not a folder");
  EXPECT_EQ(test::FileText(game / "replays"), "not a folder either");
}

TEST_F(FailingFilesRunTest, AFullDiskSkipsEverySaveAndKeepsTheOldFiles) {
  ASSERT_EQ(PlayGame(), 0) << Log();  // the names this game saves under
  const std::string highscores = test::FileText(game / "Highscore.txt");
  ASSERT_TRUE(std::filesystem::exists(game / "screenshots" / "pic0.png"));
  ASSERT_EQ(std::distance(std::filesystem::directory_iterator(game / "replays"), {}), 1);
  const auto replay = std::filesystem::directory_iterator(game / "replays")->path();
  std::filesystem::remove(game / "screenshots" / "pic0.png");
  std::filesystem::remove(replay);
  // Every file the game writes next goes through a full device.
  for (const auto& file : {game / "Highscore.txt", game / "screenshots" / "pic0.png", replay}) {
    std::filesystem::create_symlink("/dev/full", file.string() + ".tmp");
  }
  ASSERT_EQ(PlayGame(), 0) << Log();
  ExpectAllSkipped();
  EXPECT_EQ(test::FileText(game / "Highscore.txt"), highscores) << "the list is whole";
  EXPECT_FALSE(std::filesystem::exists(game / "screenshots" / "pic0.png"));
  EXPECT_TRUE(std::filesystem::is_empty(game / "replays"));
}

}  // namespace
}  // namespace tolvex
