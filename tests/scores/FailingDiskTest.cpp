// "Highscore.txt" on a disk that lets the game down: a read-only folder or a full disk skips the
// save and keeps the old list whole.
#include <gmock/gmock.h>

#include "ScoreFixture.h"
#include "support/FailingDisk.h"

namespace tolvex {
namespace {

using ::testing::ElementsAre;
using FailingDiskTest = ScoreTest;

void SaveTenLongEntries() {
  for (int n = 1; n <= 10; ++n) TScore::Add(std::string(100, 'a') + std::to_string(n), n, "t", 1, false);
  TScore::Save();
}

TEST_F(FailingDiskTest, AReadOnlyFolderKeepsTheOldListAndTheGameGoesOn) {
  TScore::Add("Old", 500, "t", 1, false);
  TScore::Save();
  {
    const test::ReadOnlyFolder readOnly(folder_);
    SaveTenLongEntries();
    TScore::Init();
    EXPECT_THAT(Names(), ElementsAre("Old")) << "the list on disk is the old one";
  }
  EXPECT_FALSE(std::filesystem::exists("Highscore.txt.tmp"));
}

TEST_F(FailingDiskTest, AFullDiskKeepsTheOldListWholeAndLeavesNothingBehind) {
  TScore::Add("Old", 500, "t", 1, false);
  TScore::Save();
  const auto oldSize = std::filesystem::file_size("Highscore.txt");
  {
    const test::DiskFullAfter full(oldSize + 16);
    SaveTenLongEntries();
  }
  EXPECT_EQ(std::filesystem::file_size("Highscore.txt"), oldSize) << "not cut short";
  EXPECT_FALSE(std::filesystem::exists("Highscore.txt.tmp")) << "the half-written copy is gone";
  TScore::Init();
  EXPECT_THAT(Names(), ElementsAre("Old"));
  SaveTenLongEntries();
  TScore::Init();
  EXPECT_EQ(TScore::ScoreList().Count(), 11u) << "with room again, the next save works: the old entry and ten more";
}

}  // namespace
}  // namespace tolvex
