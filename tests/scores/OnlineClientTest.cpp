// The game's online client against servers that answer well, badly or not at all.
#include "OnlineClientFixture.h"
#include "scores/OnlineClient.h"
#include "support/TestPorts.h"

namespace tolvex {
namespace {

TEST_F(OnlineClientTest, SendsTheRequestToTheConfiguredServer) {
  ScriptedServer server(AnswerWith("HTTP/1.0 200 OK\r\n\r\n[true]\r\n"));
  Use(server);
  EXPECT_TRUE(CheckOnlineVersion());
  EXPECT_EQ(server.LastRequest(),
            "GET /games/tolvexExt107highscore/checkversion.php?version=b70e9e29ab158820a5133a6e43f7a09a"
            "&funpicbuffer=0 HTTP/1.0\r\nHost: " + server.Address() +
            "\r\nUser-Agent: Tolvex 1.07\r\nAccept: */*\r\n\r\n");
}

TEST_F(OnlineClientTest, VersionAnswers) {
  for (const auto& [answer, accepted] : {std::pair{"[false]\n", false}, {"[false][true]\n", true},
                                         {"nothing here\n", false}, {"", false}, {"[tr\rue]", true}}) {
    ScriptedServer server(AnswerWith(answer));
    Use(server);
    EXPECT_EQ(CheckOnlineVersion(), accepted) << answer;
  }
}

TEST_F(OnlineClientTest, SubmissionCountsOnlyWithTheStoredMarker) {
  const OnlineRecord record{"Ace", 1200, "t", 7};
  for (const auto& [answer, outcome] :
       {std::pair{"HTTP/1.0 200 OK\n\n[OK]", SubmitOutcome::Stored}, {"[ERROR] forged\n", SubmitOutcome::NotStored},
        {"[ok]\n", SubmitOutcome::NotStored}, {"", SubmitOutcome::NotStored}}) {
    ScriptedServer server(AnswerWith(answer));
    Use(server);
    EXPECT_EQ(SubmitOnlineRecord(record), outcome) << answer;
  }
}

TEST_F(OnlineClientTest, FetchTakesRecordsFromEveryLineUntilTheServerCloses) {
  ScriptedServer server(AnswerWith("HTTP/1.0 200 OK\r\n\r\n[start][Ace|1200|06 Dec 2026/12:00:00|7][end]\r\n"
                                   "[start][Bo|5|t|0][end]\r\n[start][lost|9|t|1]\r\n"));
  Use(server);
  std::vector<OnlineRecord> records;
  EXPECT_TRUE(FetchOnlineRecords(10, records));
  EXPECT_EQ(records, (std::vector<OnlineRecord>{{"Ace", 1200, "06 Dec 2026/12:00:00", 7}, {"Bo", 5, "t", 0}}));
  EXPECT_NE(server.LastRequest().find("GET /games/tolvexExt107highscore/get.php?limit=10&funpicbuffer=0 HTTP/1.0"),
            std::string::npos);
}

TEST_F(OnlineClientTest, NoServerIsAFailedExchange) {
  const int port = TakeTestPort([](int) { return true; });
  setenv("TOLVEX_HIGHSCORE_SERVER", ("127.0.0.1:" + std::to_string(port)).c_str(), 1);
  std::vector<OnlineRecord> records;
  EXPECT_FALSE(CheckOnlineVersion());
  EXPECT_FALSE(FetchOnlineRecords(10, records));
  setenv("TOLVEX_HIGHSCORE_SERVER", "no-such-host.invalid:18000", 1);
  EXPECT_EQ(SubmitOnlineRecord({"Ace", 1, "t", 0}), SubmitOutcome::Unreachable);
}

TEST_F(OnlineClientTest, ServerThatNeverClosesIsCutOffAtTheTotalLimit) {
  ShortLimits();
  ScriptedServer server([](ScriptedServer& s, int client) {
    s.ReadRequest(client);
    s.Trickle(client, "[start][Ace|1|t|1][end]\n", 100);
  });
  Use(server);
  std::vector<OnlineRecord> records;
  const double seconds = Seconds([&] { EXPECT_FALSE(FetchOnlineRecords(10, records)); });
  EXPECT_TRUE(records.empty()) << "a timed-out fetch adds nothing";
  EXPECT_LT(seconds, 2.0);
}

TEST_F(OnlineClientTest, AnswerThatStopsEarlyNeedsNoEndOfStream) {
  ShortLimits();
  ScriptedServer server(AnswerAndHold("[true]\n"));
  Use(server);
  const double seconds = Seconds([] { EXPECT_TRUE(CheckOnlineVersion()); });
  EXPECT_LT(seconds, 0.3);
}

TEST_F(OnlineClientTest, OversizedAnswersFailWithoutCrashing) {
  ShortLimits();
  const std::string megabyteLine(1 << 20, 'x');
  for (const std::string& flood : {megabyteLine, std::string("[start]") + megabyteLine + "[end]\n"}) {
    ScriptedServer server(AnswerWith(flood));
    Use(server);
    std::vector<OnlineRecord> records;
    EXPECT_FALSE(FetchOnlineRecords(10, records));
    EXPECT_TRUE(records.empty());
  }
  ScriptedServer endless([](ScriptedServer& s, int client) {
    s.ReadRequest(client);
    while (s.Send(client, "\n\n\n\n\n\n\n\n")) {
    }
  });
  Use(endless);
  EXPECT_FALSE(CheckOnlineVersion());
}

}  // namespace
}  // namespace tolvex
