// Saving replaces "Highscore.txt" in one step: a program killed while saving leaves the old
// file whole.
#include <gmock/gmock.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ScoreFixture.h"
#include "platform/BinaryFiles.h"

namespace tolvex {
namespace {

using ::testing::ElementsAre;
using AtomicSaveTest = ScoreTest;

// Runs the code in a child process that is killed when it returns (or exits early); waits for it.
template <class Work>
void RunAndKill(Work work) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    work();
    ::raise(SIGKILL);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
}

void SaveOldList() {
  TScore::Add("Old", 500, "t", 1, false);
  TScore::Save();
  TScore::ScoreList().Clear();
}

TEST_F(AtomicSaveTest, AKillBetweenWritingAndRenamingLeavesTheOldFileWhole) {
  SaveOldList();
  RunAndKill([] {
    TScore::Add("New", 900, "t", 1, false);
    // The new contents are written and flushed beside the file, then the program dies.
    const std::vector<std::uint8_t> bytes(5000, 0xAB);
    FileReplacement replacement(TScore::FileName, bytes);
    if (!replacement.Ready()) ::_exit(1);
    ::raise(SIGKILL);
  });
  EXPECT_TRUE(std::filesystem::exists("Highscore.txt.tmp")) << "the child died before renaming";
  TScore::Init();
  EXPECT_THAT(Names(), ElementsAre("Old"));
  TScore::Add("Later", 700, "t", 1, false);
  TScore::Save();
  TScore::Init();
  EXPECT_THAT(Names(), ElementsAre("Old", "Later")) << "the next save replaces the stale temporary file";
  EXPECT_FALSE(std::filesystem::exists("Highscore.txt.tmp"));
}

TEST_F(AtomicSaveTest, KillsAtAnyMomentOfSavingLeaveOneWholeList) {
  SaveOldList();
  for (int delayUs = 0; delayUs < 4000; delayUs += 200) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves two long lists in turn, as fast as it can, until it is killed.
      for (int i = 0;; ++i) {
        TScore::ScoreList().Clear();
        for (int n = 1; n <= 10; ++n) TScore::Add(std::string(200, static_cast<char>('a' + i % 2)), n, "t", 1, false);
        TScore::Save();
      }
    }
    ::usleep(static_cast<useconds_t>(delayUs));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    TScore::Init();
    const auto names = Names();
    ASSERT_TRUE(names == std::vector<std::string>{"Old"} || names.size() == 10u) << delayUs << ": " << names.size();
  }
}

}  // namespace
}  // namespace tolvex
