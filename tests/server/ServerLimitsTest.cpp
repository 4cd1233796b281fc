// What keeps one client from costing the others: the whole-request deadline, the cap on open
// connections per address, and the client a trusted load balancer names.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <thread>

#include "RunningServer.h"
#include "SlowClients.h"
#include "scores/OnlineExchange.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

class ServerLimitsTest : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::string db_ = folder_.File("table.sqlite");
};

// Seconds an action took.
template <class Action>
double Seconds(Action action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A thousand clients that each send a byte every two seconds hold nothing up: the game's fetch is
// answered at once all along, and each of them is closed ten seconds after it connected.
TEST_F(ServerLimitsTest, SlowClientsAreClosedAtTheDeadlineAndHoldUpNobody) {
  // Both ends of a thousand connections live in this process.
  rlimit files{};
  getrlimit(RLIMIT_NOFILE, &files);
  files.rlim_cur = std::min<rlim_t>(files.rlim_max, 8192);
  setrlimit(RLIMIT_NOFILE, &files);
  if (files.rlim_cur < 2200) GTEST_SKIP() << "this process may open only " << files.rlim_cur << " files";

  RunningServer server(db_);
  SlowClients slow(server.Port(), 1000, 25);
  std::vector<double> fetches;
  const auto start = std::chrono::steady_clock::now();
  while (slow.Step(std::chrono::milliseconds(2000)) > 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(14)) {
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (fetches.size() < 4 && elapsed > 2.0 * static_cast<double>(fetches.size()) + 1.0) {
      fetches.push_back(Seconds([&] { EXPECT_EQ(server.Get("get.php?limit=10"), (std::pair<int, std::string>{200, "[start][end]\n"})); }));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_EQ(fetches.size(), 4u);
  for (const double seconds : fetches) {
    EXPECT_LT(seconds, OnlineLimits().readMs / 1000.0) << "the game would have given up waiting";
    std::cout << "get.php with 1000 slow clients attached: " << seconds * 1000 << " ms" << std::endl;
  }
  const std::vector<double> closings = slow.ClosedAfter();
  ASSERT_EQ(closings.size(), 1000u) << "every slow client is closed";
  EXPECT_GT(*std::min_element(closings.begin(), closings.end()), 9.5) << "none before its ten seconds";
  EXPECT_LE(*std::max_element(closings.begin(), closings.end()), 11.0) << "all by eleven seconds";
  EXPECT_NE(server.GetPath("/metrics").body.find("tolvex_highscore_refusals_total{reason=\"deadline\"} 1000\n"),
            std::string::npos);
}

TEST_F(ServerLimitsTest, OneAddressHoldsAtMostItsShareOfConnections) {
  ServerSetup setup;
  setup.limits.connectionsPerAddress = 32;
  RunningServer server(db_, setup);
  std::vector<int> held;
  for (int i = 0; i < 32; ++i) held.push_back(ConnectFrom("127.0.0.1", server.Port()));
  const std::string request = "GET /games/tolvexExt107highscore/get.php?limit=1 HTTP/1.0\r\n\r\n";
  // The 32nd is served, the 33rd is told why it is turned away.
  ASSERT_EQ(send(held.back(), request.data(), request.size(), MSG_NOSIGNAL), static_cast<ssize_t>(request.size()));
  EXPECT_EQ(ParseAnswer(ReadToEnd(held.back())).body, "[start][end]\n");
  close(held.back());
  held.pop_back();
  const auto untilServed = [&](const char* from) {
    HttpAnswer answer;
    for (int attempt = 0; attempt < 100 && answer.status != 200; ++attempt) {
      answer = HttpGet(server.Port(), "/healthz", from);
      if (answer.status != 200) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return answer;
  };
  EXPECT_EQ(untilServed("127.0.0.1").status, 200) << "a closed connection frees its place";
  held.push_back(ConnectFrom("127.0.0.1", server.Port()));
  const HttpAnswer refused = HttpGet(server.Port(), "/healthz", "127.0.0.1");
  EXPECT_EQ(refused.status, 429);
  EXPECT_EQ(refused.body, "[ERROR] too many open connections from your address\n");
  EXPECT_EQ(HttpGet(server.Port(), "/healthz", "127.0.0.2").status, 200) << "other addresses are served";
  for (const int fd : held) close(fd);
  EXPECT_NE(server.GetPath("/metrics", "127.0.0.3").body.find("tolvex_highscore_refusals_total{reason=\"connection_cap\"} 1\n"),
            std::string::npos);
}

TEST_F(ServerLimitsTest, ATrustedProxyNamesTheClientTheLimitsCount) {
  ServerSetup setup;
  setup.limits.submitsPerMinute = 2;
  setup.limits.trustedProxies = {"127.0.0.1"};
  RunningServer server(db_, setup);
  const auto submit = [&](const char* from, const std::string& forwardedFor, int points) {
    const std::string target = "/" + std::string(kOnlinePathPrefix) + SubmitQuery({"Ace", points, "t", 1});
    return HttpGet(server.Port(), target, from, "X-Forwarded-For: " + forwardedFor + "\r\n").status;
  };
  EXPECT_EQ(submit("127.0.0.1", "198.51.100.1, 203.0.113.7", 1), 200);
  EXPECT_EQ(submit("127.0.0.1", "203.0.113.7", 2), 200);
  EXPECT_EQ(submit("127.0.0.1", "203.0.113.7", 3), 429) << "the named client's third";
  EXPECT_EQ(submit("127.0.0.1", "203.0.113.8", 4), 200) << "another client behind the same proxy";
  // Anyone else's X-Forwarded-For is not believed.
  EXPECT_EQ(submit("127.0.0.2", "203.0.113.9", 5), 200);
  EXPECT_EQ(submit("127.0.0.2", "203.0.113.10", 6), 200);
  EXPECT_EQ(submit("127.0.0.2", "203.0.113.11", 7), 429);
  const std::vector<std::string> log = server.Log();
  ASSERT_FALSE(log.empty());
  EXPECT_NE(log.front().find(" 203.0.113.7 GET "), std::string::npos) << log.front();
}

}  // namespace
}  // namespace tolvex
