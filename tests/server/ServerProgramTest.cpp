// The highscore server program: its command line, its log and its shutdown on SIGTERM.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>

#include "BuildPaths.h"
#include "HttpClient.h"
#include "scores/OnlineClient.h"
#include "scores/OnlineRequests.h"
#include "server/ScoreStore.h"
#include "support/OnlineRecordPrint.h"
#include "support/TestPorts.h"

namespace tolvex {
namespace {

int FreePort() { return TakeTestPort(PortIsFree); }

class ServerProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("tolvex_server_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    unsetenv("TOLVEX_HIGHSCORE_SERVER");
    std::filesystem::remove_all(folder_);
  }

  // Starts the program with the arguments, its output going to out.txt and err.txt.
  void Start(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), TOLVEX_SERVER_PROGRAM);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, (folder_ / "out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, (folder_ / "err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_EQ(posix_spawn(&pid_, argv[0], &files, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&files);
  }
  // The exit status once the program ends, or −1 when it has not ended within five seconds.
  int ExitStatus() {
    for (int wait = 0; wait < 500; ++wait) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }
  std::string Output(const char* name) const {
    std::ifstream in(folder_ / name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Waits until the program's output holds text.
  bool OutputShows(const std::string& text) const {
    for (int wait = 0; wait < 500; ++wait) {
      if (Output("out.txt").find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  std::filesystem::path folder_;
  pid_t pid_ = 0;
};

TEST_F(ServerProgramTest, ServesLogsAndStopsCleanlyOnSigterm) {
  const int port = FreePort();
  const std::string db = (folder_ / "table.sqlite").string();
  Start({"--port", std::to_string(port), "--db", db, "--listen", "127.0.0.1"});
  ASSERT_TRUE(OutputShows("Serving")) << Output("err.txt");
  setenv("TOLVEX_HIGHSCORE_SERVER", ("127.0.0.1:" + std::to_string(port)).c_str(), 1);
  EXPECT_TRUE(CheckOnlineVersion());
  EXPECT_EQ(SubmitOnlineRecord({"Ace", 1200, "t", 7}), SubmitOutcome::Stored);
  ASSERT_TRUE(OutputShows("submit.php 200 [OK]"));
  kill(pid_, SIGTERM);
  EXPECT_EQ(ExitStatus(), 0);
  const std::string out = Output("out.txt");
  EXPECT_NE(out.find("checkversion.php 200 [true]\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Stopped\n"), std::string::npos) << out;
  EXPECT_TRUE(Output("err.txt").empty());
  // The table outlives the program.
  Start({"--port", std::to_string(port), "--db", db, "--listen", "127.0.0.1"});
  ASSERT_TRUE(OutputShows("Serving"));
  std::vector<OnlineRecord> records;
  EXPECT_TRUE(FetchOnlineRecords(10, records));
  EXPECT_EQ(records, (std::vector<OnlineRecord>{{"Ace", 1200, "t", 7}}));
}

TEST_F(ServerProgramTest, BadCommandLinesAndStoresEndWithAMessage) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{}, {"--port"}, {"--port", "0"}, {"--port", "70000"}, {"--port", "80", "--loud"},
        {"--port", "80", "--db-connections", "0"}, {"--port", "80", "--db-connections", "65"},
        {"--port", "80", "--max-entries", "0"}, {"--port", "80", "--max-submits-per-minute", "-1"},
        {"--port", "80", "--max-connections-per-address", "x"}, {"--port", "80", "--trusted-proxy", "lb.local"}}) {
    Start(arguments);
    EXPECT_EQ(ExitStatus(), 2) << arguments.back();
    EXPECT_NE(Output("err.txt").find("usage: tolvex-highscore-server"), std::string::npos);
  }
  Start({"--port", std::to_string(FreePort()), "--db", (folder_ / "missing" / "table.sqlite").string()});
  EXPECT_EQ(ExitStatus(), 1);
  EXPECT_NE(Output("err.txt").find("cannot open the SQLite store"), std::string::npos) << Output("err.txt");
  Start({"--port", std::to_string(FreePort()), "--db", "postgresql://nobody@127.0.0.1:1/none"});
  EXPECT_EQ(ExitStatus(), 1);
  EXPECT_NE(Output("err.txt").find("cannot connect to PostgreSQL"), std::string::npos) << Output("err.txt");
}

// The server is killed in the middle of a stream of submissions: every entry it acknowledged with
// "[OK]" is in the table it leaves behind.
TEST_F(ServerProgramTest, NoAcknowledgedEntryIsLostWhenTheServerIsKilled) {
  const int port = FreePort();
  const std::string db = (folder_ / "table.sqlite").string();
  Start({"--port", std::to_string(port), "--db", db, "--listen", "127.0.0.1", "--max-submits-per-minute", "0"});
  ASSERT_TRUE(OutputShows("Serving")) << Output("err.txt");
  std::mutex mutex;
  std::vector<OnlineRecord> acknowledged;
  std::atomic<bool> killed{false};
  std::vector<std::thread> clients;
  for (int client = 0; client < 4; ++client) {
    clients.emplace_back([&, client] {
      for (int i = 1; !killed; ++i) {
        const OnlineRecord record{"pilot " + std::to_string(client), i, "t", client};
        if (HttpGet(port, "/" + std::string(kOnlinePathPrefix) + SubmitQuery(record)).body != "[OK]\n") continue;
        const std::lock_guard lock(mutex);
        acknowledged.push_back(record);
      }
    });
  }
  for (int wait = 0; wait < 500; ++wait) {
    {
      const std::lock_guard lock(mutex);
      if (acknowledged.size() >= 200) break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = 0;
  killed = true;
  for (std::thread& client : clients) client.join();
  std::string error;
  const auto store = OpenScoreStore(db, error);
  ASSERT_TRUE(store) << error;
  std::vector<OnlineRecord> table;
  ASSERT_TRUE(store->Best(1000000, table));
  ASSERT_GE(acknowledged.size(), 200u);
  for (const OnlineRecord& record : acknowledged)
    EXPECT_NE(std::find(table.begin(), table.end(), record), table.end()) << record.name << " " << record.points;
}

}  // namespace
}  // namespace tolvex
