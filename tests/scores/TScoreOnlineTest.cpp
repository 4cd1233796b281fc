// The highscore list's online operations: the version check at start-up and the update button,
// against servers that answer well, badly or not at all.
#include <mutex>

#include "OnlineClientFixture.h"

namespace tolvex {
namespace {

// A server that reads the request and never answers.
void Silent(ScriptedServer& server, int client) {
  server.ReadRequest(client);
  server.HoldOpen(client);
}

std::string Answer(const std::string& body) { return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body; }

// The real limits, once: a server that accepts and never answers holds the game no longer than
// the read time-out, well inside the ten seconds an exchange may take, and switches online off.
TEST_F(OnlineClientTest, SilentServerAtStartUpTimesOutAndSwitchesOnlineOff) {
  ScriptedServer server(Silent);
  Use(server);
  OnlineHighscore = 1;
  const double seconds = Seconds([] { EXPECT_FALSE(TScore::Connect()); });
  EXPECT_EQ(OnlineHighscore, 0);
  EXPECT_GE(seconds, OnlineLimits().readMs / 1000.0 - 0.1);
  EXPECT_LT(seconds, OnlineLimits().totalMs / 1000.0);
}

TEST_F(OnlineClientTest, VersionCheckKeepsOnlineOnOnlyWhenAccepted) {
  for (const auto& [answer, accepted] : {std::pair{"[true]\n", true}, {"[false]\n", false}, {"[false][true]", true}}) {
    ScriptedServer server(AnswerWith(Answer(answer)));
    Use(server);
    OnlineHighscore = 1;
    EXPECT_EQ(TScore::Connect(), accepted) << answer;
    EXPECT_EQ(OnlineHighscore, accepted ? 1 : 0) << answer;
  }
}

TEST_F(OnlineClientTest, FetchedEntriesJoinTheListMarkedOnline) {
  ScriptedServer server(AnswerWith(Answer("[start][Ace|1200|06 Dec 2026/12:00:00|7][[SQ]Bob|900||3][a=b |700|t|1][end]"
                                          "\r\n[start][Lost|5|t|1]\r\n")));
  Use(server);
  TScore::Add("Me", 800, "", 2, false);
  EXPECT_TRUE(TScore::Highscore_Get(10));
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[1]->name, "Ace");
  EXPECT_EQ(entries[1]->points, 1200);
  EXPECT_EQ(entries[1]->time, "06 Dec 2026/12:00:00");
  EXPECT_EQ(entries[1]->rank, 7);
  EXPECT_TRUE(entries[1]->online);
  EXPECT_FALSE(entries[1]->newentry);
  // A name with brackets and an empty time is listed as it came; the time stays empty.
  EXPECT_EQ(entries[2]->name, "[SQ]Bob");
  EXPECT_EQ(entries[2]->time, "");
  EXPECT_TRUE(entries[2]->online);
  // The same answer again adds nothing: the entries are already listed, the one whose name the
  // list cleaned among them.
  EXPECT_TRUE(TScore::Highscore_Get(10));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Me", "Ace", "[SQ]Bob", "ab"}));
}

TEST_F(OnlineClientTest, UpdateMarksWhatTheServerStoredAndSaves) {
  std::mutex mutex;
  std::vector<std::string> requestLines;
  ScriptedServer server([&](ScriptedServer& s, int client) {
    s.ReadRequest(client);
    const std::string request = s.LastRequest();
    {
      const std::lock_guard lock(mutex);
      requestLines.push_back(request.substr(0, request.find("\r\n")));
    }
    if (request.find("submit.php?name=Kept") != std::string::npos) s.Send(client, Answer("[OK]\n"));
    if (request.find("submit.php?name=Refused") != std::string::npos) s.Send(client, Answer("[ERROR] forged\n"));
    if (request.find("get.php?limit=10&") != std::string::npos) s.Send(client, Answer("[start][Far|9|x|1][end]\n"));
  });
  Use(server);
  OnlineHighscore = 1;
  TScore::Add("Kept", 300, "06 Dec 2026/12:00:00", 1, false);
  TScore::Add("Refused", 200, "", 1, false);
  TScore::Add("Known", 100, "t", 1, true);
  TScore::OnlineUpdate();
  EXPECT_EQ(server.Connections(), 3) << "two submissions and one fetch";
  {
    const std::lock_guard lock(mutex);
    ASSERT_EQ(requestLines.size(), 3u);
    // Only what would break the query is escaped: the time goes out as any server of the game reads it.
    EXPECT_EQ(requestLines[0], "GET /games/tolvexExt107highscore/submit.php?name=Kept&points=300"
                               "&time=06%20Dec%202026/12:00:00&rank=1&md5sum=" +
                                   OnlineCheckValue({"Kept", 300, "06 Dec 2026/12:00:00", 1}) +
                                   "&funpicbuffer=0 HTTP/1.0");
  }
  TScore::Init();
  TScore::Sort();
  ASSERT_EQ(Names(), (std::vector<std::string>{"Kept", "Refused", "Known", "Far"}));
  const auto entries = Entries();
  EXPECT_EQ((std::vector<bool>{entries[0]->online, entries[1]->online, entries[2]->online, entries[3]->online}),
            (std::vector<bool>{true, false, true, true}));
}

TEST_F(OnlineClientTest, UpdateWaitsForAnUnreachableServerOnlyOnce) {
  ShortLimits();
  ScriptedServer server(Silent);
  Use(server);
  OnlineHighscore = 1;
  for (const char* name : {"One", "Two", "Three"}) TScore::Add(name, 100, "", 1, false);
  const double seconds = Seconds(TScore::OnlineUpdate);
  EXPECT_EQ(server.Connections(), 1);
  EXPECT_LT(seconds, OnlineLimits().totalMs / 1000.0 + 0.5);
  EXPECT_EQ(OnlineHighscore, 1) << "an update leaves the online setting alone";
  TScore::Init();
  EXPECT_EQ(Names().size(), 3u) << "the list was saved";
  for (const TScorePtr& entry : Entries()) EXPECT_FALSE(entry->online);
}

TEST_F(OnlineClientTest, UpdateDoesNothingWhileOnlineIsOff) {
  ScriptedServer server(AnswerWith(Answer("[OK]\n")));
  Use(server);
  TScore::Add("Me", 100, "", 1, false);
  TScore::OnlineUpdate();
  EXPECT_EQ(server.Connections(), 0);
  EXPECT_FALSE(Entries()[0]->online);
}

}  // namespace
}  // namespace tolvex
