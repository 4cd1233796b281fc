// Saving replays: a name of their own in the "replays" folder, and when the folder or the disk
// lets the game down, no replay and no damage.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/Clock.h"
#include "shell/ReplayRecorder.h"
#include "support/FailingDisk.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

// A replay's contents given whole.
FileContents Text(std::string text) {
  return [text = std::move(text)](const PieceWriter& write) { return write(TextBytes(text)); };
}

class ReplaySaveTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSteppedClock(16); }
  void TearDown() override { UseSteppedClock(0); }
  const test::TempFolder temp{test::TempFolder::Enter::Yes};
  const std::filesystem::path replays = temp.Path() / "replays";
};

TEST_F(ReplaySaveTest, EachGameGetsAFileOfItsOwn) {
  const std::string first = SaveReplayFile(Text("one"), 1200), second = SaveReplayFile(Text("two"), 1200);
  EXPECT_EQ(first, "replays\\2026-01-01_00-00-00_1200.txt") << "when the game ended, and its points";
  EXPECT_EQ(second, "replays\\2026-01-01_00-00-00_1200-2.txt");
  EXPECT_EQ(test::FileText(replays / "2026-01-01_00-00-00_1200.txt"), "one");
  EXPECT_EQ(test::FileText(replays / "2026-01-01_00-00-00_1200-2.txt"), "two");
}

TEST_F(ReplaySaveTest, AFileInPlaceOfTheFolderIsLeftAlone) {
  std::ofstream("replays") << "mine";
  EXPECT_EQ(SaveReplayFile(Text("game"), 5), "");
  EXPECT_EQ(test::FileText("replays"), "mine");
}

TEST_F(ReplaySaveTest, AReadOnlyFolderSavesNothing) {
  {
    const test::ReadOnlyFolder readOnly(temp.Path());
    EXPECT_EQ(SaveReplayFile(Text("game"), 5), "");
  }
  EXPECT_FALSE(std::filesystem::exists(replays));
  std::filesystem::create_directory(replays);
  {
    const test::ReadOnlyFolder readOnly(replays);
    EXPECT_EQ(SaveReplayFile(Text("game"), 5), "");
  }
  EXPECT_TRUE(std::filesystem::is_empty(replays));
}

TEST_F(ReplaySaveTest, AFullDiskLeavesNoHalfReplayAndTheOthersWhole) {
  ASSERT_NE(SaveReplayFile(Text("an earlier game"), 5), "");
  {
    const test::DiskFullAfter full(100);
    EXPECT_EQ(SaveReplayFile(Text(std::string(5000, 'x')), 6), "");
  }
  ASSERT_EQ(std::distance(std::filesystem::directory_iterator(replays), std::filesystem::directory_iterator()), 1);
  EXPECT_EQ(test::FileText(replays / "2026-01-01_00-00-00_5.txt"), "an earlier game");
}

}  // namespace
}  // namespace tolvex
