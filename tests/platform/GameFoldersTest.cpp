// Where the game's files lie: the build folder keeps everything in the working folder; an
// installed game reads its shipped files beside its program and keeps the player's under
// $XDG_DATA_HOME/tolvex, whatever the environment says or leaves out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "platform/GameFolders.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

class GameFoldersTest : public ::testing::Test {
 protected:
  void TearDown() override { UseGameFolders({}); }

  // A prefix with bin/ and, when asked, share/tolvex/ in the temporary folder.
  std::filesystem::path Prefix(bool withShare) const {
    const std::filesystem::path prefix = temp.Path() / (withShare ? "installed" : "bare");
    std::filesystem::create_directories(prefix / "bin");
    if (withShare) std::filesystem::create_directories(prefix / "share" / "tolvex" / "sfx");
    return prefix;
  }
  static EnvironmentLookup Environment(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const char* name) -> const char* {
      const auto found = values.find(name);
      return found == values.end() ? nullptr : found->second.c_str();
    };
  }

  const test::TempFolder temp;
};

struct PlayerFolderCase {
  const char* what;
  std::map<std::string, std::string> environment;
  const char* player;  // the player's folder expected
};

TEST_F(GameFoldersTest, AnInstalledGameKeepsThePlayersFilesInTheDataHome) {
  const std::vector<PlayerFolderCase> cases = {
      {"XDG_DATA_HOME set", {{"XDG_DATA_HOME", "/srv/data"}, {"HOME", "/home/kim"}}, "/srv/data/tolvex/"},
      {"XDG_DATA_HOME with a slash at its end", {{"XDG_DATA_HOME", "/srv/data/"}, {"HOME", "/home/kim"}},
       "/srv/data/tolvex/"},
      {"XDG_DATA_HOME unset", {{"HOME", "/home/kim"}}, "/home/kim/.local/share/tolvex/"},
      {"XDG_DATA_HOME empty", {{"XDG_DATA_HOME", ""}, {"HOME", "/home/kim"}}, "/home/kim/.local/share/tolvex/"},
      {"XDG_DATA_HOME relative, which is to be ignored", {{"XDG_DATA_HOME", "data"}, {"HOME", "/home/kim"}},
       "/home/kim/.local/share/tolvex/"},
      {"HOME with a slash at its end", {{"HOME", "/home/kim/"}}, "/home/kim/.local/share/tolvex/"},
  };
  const std::filesystem::path prefix = Prefix(true);
  for (const auto& c : cases) {
    const GameFolders folders = FindGameFolders(prefix / "bin", Environment(c.environment));
    EXPECT_EQ(folders.player, c.player) << c.what;
    EXPECT_EQ(folders.shipped, (prefix / "share" / "tolvex").string() + "/") << c.what;
  }
}

TEST_F(GameFoldersTest, WithoutHomeInTheEnvironmentTheUserDatabaseNamesIt) {
  const GameFolders folders = FindGameFolders(Prefix(true) / "bin", Environment({}));
  EXPECT_TRUE(folders.player.starts_with('/')) << folders.player;
  EXPECT_TRUE(folders.player.ends_with("/.local/share/tolvex/")) << folders.player;
}

TEST_F(GameFoldersTest, ABuildFolderKeepsEverythingInTheWorkingFolder) {
  const auto environment = Environment({{"XDG_DATA_HOME", "/srv/data"}, {"HOME", "/home/kim"}});
  EXPECT_EQ(FindGameFolders(Prefix(false) / "bin", environment), GameFolders{}) << "no share/tolvex beside bin/";
  EXPECT_EQ(FindGameFolders({}, environment), GameFolders{}) << "the program's folder unknown";
  const std::filesystem::path notAFolder = temp.Path() / "odd";
  std::filesystem::create_directories(notAFolder / "bin");
  std::filesystem::create_directories(notAFolder / "share");
  std::ofstream(notAFolder / "share" / "tolvex") << "a file";
  EXPECT_EQ(FindGameFolders(notAFolder / "bin", environment), GameFolders{}) << "share/tolvex is a file";
}

TEST_F(GameFoldersTest, PathsLeadIntoTheFoldersInUse) {
  EXPECT_EQ(ShippedPath("sfx\\alarm2.wav"), "sfx\\alarm2.wav");
  EXPECT_EQ(PlayerPath("Options.ini"), "Options.ini");
  UseGameFolders({"/usr/share/tolvex/", "/home/kim/.local/share/tolvex/"});
  EXPECT_EQ(ShippedPath("sfx\\alarm2.wav"), "/usr/share/tolvex/sfx\\alarm2.wav");
  EXPECT_EQ(PlayerPath("Options.ini"), "/home/kim/.local/share/tolvex/Options.ini");
  EXPECT_EQ(PlayerPath("/tmp/elsewhere.txt"), "/tmp/elsewhere.txt") << "absolute paths stay";
  EXPECT_EQ(ShippedPath("/tmp/sound.wav"), "/tmp/sound.wav");
}

TEST_F(GameFoldersTest, ThePlayersFolderIsMadeWithItsParentsOrReportedAsMissing) {
  EXPECT_TRUE(PreparePlayerFolder()) << "the working folder is always there";
  const std::filesystem::path player = temp.Path() / "fresh" / ".local" / "share" / "tolvex";
  UseGameFolders({"", player.string() + "/"});
  EXPECT_TRUE(PreparePlayerFolder());
  EXPECT_TRUE(std::filesystem::is_directory(player));
  std::ofstream(temp.Path() / "blocked") << "a file where the folder would go";
  UseGameFolders({"", (temp.Path() / "blocked" / "tolvex").string() + "/"});
  EXPECT_FALSE(PreparePlayerFolder());
}

}  // namespace
}  // namespace tolvex
