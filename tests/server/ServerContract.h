#pragma once
// What every store of the highscore server must do, shown through the game's own client and
// through plain HTTP. Included once by each test program with the stores it can offer.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include <nlohmann/json.hpp>

#include "RunningServer.h"
#include "scores/Md5.h"
#include "scores/OnlineClient.h"
#include "scores/RankTitle.h"
#include "scores/ScoreFixture.h"
#include "scores/TScore.h"
#include "scores/PercentEncoding.h"
#include "server/ScoreStore.h"
#include "support/OnlineRecordPrint.h"

namespace tolvex {

// A kind of store the contract runs against.
struct StoreSite {
  std::string name;
  // A --db value naming a new, empty table; "" when none can be had, with the reason in problem.
  std::function<std::string(std::string& problem)> freshDb;
};
inline void PrintTo(const StoreSite& site, std::ostream* out) { *out << site.name; }

// Each test has a highscore list in a folder of its own, as a game folder does.
class ServerContract : public ScoreTest, public ::testing::WithParamInterface<StoreSite> {
 protected:
  void SetUp() override {
    ScoreTest::SetUp();
    std::string problem;
    db_ = GetParam().freshDb(problem);
    if (db_.empty()) GTEST_SKIP() << problem;
    store_ = Open();
    server_ = std::make_unique<RunningServer>(db_);
    UseServer(*server_);
  }
  void TearDown() override {
    unsetenv("TOLVEX_HIGHSCORE_SERVER");
    OnlineHighscore = 0;
    ScoreTest::TearDown();
  }

  // Another store on the same table, as a second server instance would open it.
  std::unique_ptr<ScoreStore> Open() const {
    std::string error;
    auto store = OpenScoreStore(db_, error);
    EXPECT_TRUE(store) << error;
    return store;
  }
  static void UseServer(const RunningServer& server) {
    setenv("TOLVEX_HIGHSCORE_SERVER", server.Address().c_str(), 1);
  }
  // The game's submission, as the update button sends it.
  static bool Submit(const OnlineRecord& record) {
    return TScore::Highscore_Submit(record.name, record.points, record.time, record.rank);
  }
  static std::vector<OnlineRecord> Fetch(int limit = 10) {
    std::vector<OnlineRecord> records;
    EXPECT_TRUE(FetchOnlineRecords(limit, records));
    return records;
  }
  // A submission query for the record with its right check value, before one thing is spoilt.
  static std::string SubmitFor(const OnlineRecord& record) { return SubmitQuery(record); }
  // Waits for the server's log to reach count lines (it is written just after the answer).
  std::vector<std::string> LogOf(std::size_t count) {
    for (int wait = 0; wait < 2000 && server_->Log().size() < count; ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return server_->Log();
  }

  std::string db_;
  std::unique_ptr<ScoreStore> store_;
  std::unique_ptr<RunningServer> server_;
};

TEST_P(ServerContract, StoreKeepsEachEntryOnceBestFirst) {
  EXPECT_EQ(store_->Insert({"a", 10, "t", 1}), InsertResult::Stored);
  EXPECT_EQ(store_->Insert({"b", 30, "t", 1}), InsertResult::Stored);
  EXPECT_EQ(store_->Insert({"c", 10, "t", 1}), InsertResult::Stored);
  EXPECT_EQ(store_->Insert({"a", 10, "t", 1}), InsertResult::Duplicate);
  EXPECT_EQ(store_->Insert({"a", 10, "t", 2}), InsertResult::Stored);
  std::vector<OnlineRecord> best;
  ASSERT_TRUE(store_->Best(3, best));
  // Equal points keep the order they arrived in.
  EXPECT_EQ(best, (std::vector<OnlineRecord>{{"b", 30, "t", 1}, {"a", 10, "t", 1}, {"c", 10, "t", 1}}));
}

TEST_P(ServerContract, GameChecksVersionSubmitsAndFetches) {
  EXPECT_TRUE(CheckOnlineVersion());
  // The answer to the game's own request, byte for byte as the table has always sent it.
  const HttpAnswer version = server_->GetPath("/" + std::string(kOnlinePathPrefix) + VersionCheckQuery() +
                                             "&funpicbuffer=0", "127.0.0.1", "User-Agent: Tolvex 1.07\r\nAccept: */*\r\n");
  EXPECT_EQ(version.head + "\r\n" + version.body,
            "HTTP/1.1 200 OK\r\nContent-Length: 7\r\nContent-Type: text/plain\r\nKeep-Alive: timeout=5, max=5\r\n\r\n"
            "[true]\n");
  EXPECT_EQ(server_->Get("checkversion.php?version=0123").second, "[false]\n");
  EXPECT_EQ(server_->Get("checkversion.php").second, "[false]\n");
  const std::vector<OnlineRecord> submitted{{"Ace Pilot", 1200, "06 Dec 2026/12:00:00", 7},
                                            {"Q&A #1 100% +?/", 5000, "07 Dec 2026/08:30:00", 12},
                                            {"Bo", 1200, "06 Dec 2026/12:05:00", 0}};
  for (const OnlineRecord& record : submitted) EXPECT_TRUE(Submit(record)) << record.name;
  EXPECT_TRUE(Submit(submitted[0])) << "an entry the table holds is acknowledged again";
  EXPECT_EQ(Fetch(), (std::vector<OnlineRecord>{submitted[1], submitted[0], submitted[2]}));
  EXPECT_EQ(Fetch(2).size(), 2u);
  EXPECT_EQ(server_->Get("get.php?limit=0").second, "[start][end]\n");
}

TEST_P(ServerContract, ForgedAndMalformedSubmissionsAreRefused) {
  const OnlineRecord ace{"Ace", 1200, "06 Dec 2026/12:00:00", 7};
  const std::string good = SubmitFor(ace);
  const auto replace = [&](const std::string& from, const std::string& to) {
    std::string query = good;
    query.replace(query.find(from), from.size(), to);
    return query;
  };
  const std::string longName(kOnlineNameMax + 1, 'n');
  const std::string refused[] = {
      replace("md5sum=", "md5sum=0"),
      replace("&md5sum=", "&x="),
      replace("name=Ace&", ""),
      replace("name=Ace", "name=Ace&name=Ace"),
      replace("name=Ace", "name=Ace%"),
      replace("name=Ace", "name=Ace&name=Bob"),
      replace("&rank=7", "&rank=7&rank=7"),
      replace("points=1200", "points=12OO"),
      SubmitFor({longName, 1200, ace.time, 7}),
      SubmitFor({ace.name, 1200, std::string(kOnlineTimeMax + 1, 't'), 7}),
      SubmitFor({"A|B", 1200, ace.time, 7}),
      SubmitFor({ace.name, 1200, "06|Dec", 7}),
      SubmitFor({"A[end]B", 1200, ace.time, 7}),
      SubmitFor({"line\nbreak", 1200, ace.time, 7}),
      SubmitFor({"line\rbreak", 1200, ace.time, 7}),
      SubmitFor({"tab\t", 1200, ace.time, 7}),
      SubmitFor({"del\x7F", 1200, ace.time, 7}),
      SubmitFor({ace.name, 1200, "06 Dec\n2026", 7}),
      SubmitFor({ace.name, 0, ace.time, 7}),
      SubmitFor({ace.name, -5, ace.time, 7}),
      SubmitFor({ace.name, 1200, ace.time, -1}),
      "submit.php?name=Ace&points=%2B1200&time=t&rank=7&md5sum=" + OnlineCheckValue({"Ace", 1200, "t", 7}),
      "submit.php?name=Ace&points=99999999999&time=t&rank=7&md5sum=" +
          MD5Hex("Ace99999999999t7" + std::string(kOnlineVersionText)),
      "submit.php?name=" + PercentEncode(std::string(9000, 'x')),
  };
  for (const std::string& query : refused) {
    const auto [status, body] = server_->Get(query);
    EXPECT_GE(status, 400) << query.substr(0, 150) << " -> " << body;
    EXPECT_EQ(body.find("[OK]"), std::string::npos) << query.substr(0, 150);
  }
  EXPECT_TRUE(Fetch().empty()) << "nothing refused was stored";
  EXPECT_EQ(server_->Get(good), (std::pair<int, std::string>{200, "[OK]\n"}));
  EXPECT_EQ(server_->Get("get.php?limit=ten").first, 400);
  EXPECT_EQ(server_->Get("get.php?limit=1&limit=2").first, 400);
  EXPECT_EQ(server_->Get("get.php").first, 400);
}

TEST_P(ServerContract, EveryNameTheGameCanListIsKeptAsTheBytesSent) {
  const std::string longest(kOnlineNameMax, 'n');
  const std::vector<OnlineRecord> kept{{"O'Brien", 900, "06 Dec 2026/12:00:00", 3},
                                       {"[SQ]Bob", 800, "06 Dec 2026/12:01:00", 2},
                                       {"Dr. Who; 2nd", 700, "06 Dec 2026/12:02:00", 1},
                                       {"Robert'); DROP TABLE highscores;--", 600, "t", 1},
                                       {"x\" OR 1<2 /* c */ back\\slash", 500, "t", 1},
                                       {"R&D #1 100% +x+ = a,b", 400, "t", 1},
                                       {"\xC9l\xE8ve \xE2\x82\xAC", 300, "t", 1},
                                       {" edge ", 200, "", 0},
                                       {longest, 100, std::string(kOnlineTimeMax, 't'), 1}};
  for (const OnlineRecord& record : kept) EXPECT_TRUE(Submit(record)) << record.name.substr(0, 40);
  EXPECT_EQ(Fetch(), kept);
  EXPECT_EQ(server_->Get("get.php?limit=3").second,
            "[start][O'Brien|900|06 Dec 2026/12:00:00|3][[SQ]Bob|800|06 Dec 2026/12:01:00|2]"
            "[Dr. Who; 2nd|700|06 Dec 2026/12:02:00|1][end]\n");
}

TEST_P(ServerContract, EveryListServesAtMostAHundred) {
  for (int points = 1; points <= 101; ++points) ASSERT_EQ(store_->Insert({"p", points, "t", 0}), InsertResult::Stored);
  const auto fetched = [this](const std::string& limit) {
    std::vector<OnlineRecord> records;
    ParseOnlineRecords(server_->Get("get.php?limit=" + limit).second, records);
    return records;
  };
  const auto listed = [this](const std::string& query) {
    const HttpAnswer answer = server_->GetPath("/top.json" + query);
    EXPECT_EQ(answer.status, 200) << query;
    return nlohmann::json::parse(answer.body, nullptr, false);
  };
  for (const auto& [limit, count] : {std::pair{"0", 0}, {"1", 1}, {"99", 99}, {"100", 100}, {"101", 100},
                                     {"5000", 100}}) {
    const std::vector<OnlineRecord> records = fetched(limit);
    ASSERT_EQ(static_cast<int>(records.size()), count) << limit;
    const nlohmann::json entries = listed("?limit=" + std::string(limit));
    ASSERT_EQ(static_cast<int>(entries.size()), count) << limit;
    if (count == 0) continue;
    EXPECT_EQ(records.back().points, 102 - count) << "the best " << limit;
    EXPECT_EQ(entries.back()["points"], 102 - count) << "the best " << limit;
    EXPECT_EQ(entries.back()["place"], count);
  }
  EXPECT_EQ(listed("").size(), 100u) << "without a limit, the best hundred";
  EXPECT_EQ(server_->GetPath("/top.json?limit=ten").status, 400);
  const std::string page = server_->GetPath("/").body;
  std::size_t rows = 0;
  for (std::size_t at = page.find("<tr>"); at != std::string::npos; at = page.find("<tr>", at + 1)) ++rows;
  EXPECT_EQ(rows, 101u) << "a heading and the best hundred";
  EXPECT_NE(page.find(">100.<"), std::string::npos);
  EXPECT_EQ(page.find(">101.<"), std::string::npos);
}

// One place, name, points, date and rank title per row, every text escaped for the page.
TEST_P(ServerContract, ThePageShowsEachEntryEscaped) {
  const std::vector<OnlineRecord> entries{{"<b>Bold</b> & 'Co'", 5000, "07 Dec 2026/08:30:00", 12},
                                          {"\xC9l\xE8ve", 1200, "06 Dec 2026/12:00:00", 7},
                                          {"Caf\xC3\xA9", 900, "", 0}};
  for (const OnlineRecord& entry : entries) ASSERT_EQ(store_->Insert(entry), InsertResult::Stored);
  const HttpAnswer answer = server_->GetPath("/");
  EXPECT_EQ(answer.status, 200);
  EXPECT_NE(answer.head.find("Content-Type: text/html; charset=utf-8"), std::string::npos) << answer.head;
  const std::string rows[] = {
      "<tr><td class=\"place\">1.</td><td class=\"name\">&lt;b&gt;Bold&lt;/b&gt; &amp; &#39;Co&#39;</td>"
      "<td class=\"points\">5000</td><td class=\"date\">07 Dec 2026</td><td class=\"rank\">" +
          RankTitle(12) + "</td></tr>",
      "<tr><td class=\"place\">2.</td><td class=\"name\">\xC3\x89l\xC3\xA8ve</td><td class=\"points\">1200</td>"
      "<td class=\"date\">06 Dec 2026</td><td class=\"rank\">" + RankTitle(7) + "</td></tr>",
      "<tr><td class=\"place\">3.</td><td class=\"name\">Caf\xC3\xA9</td><td class=\"points\">900</td>"
      "<td class=\"date\"></td><td class=\"rank\">" + RankTitle(0) + "</td></tr>"};
  for (const std::string& row : rows) EXPECT_NE(answer.body.find(row), std::string::npos) << row;
  EXPECT_EQ(answer.body.find("<b>"), std::string::npos);
  EXPECT_EQ(answer.body.find("<script"), std::string::npos) << "the page needs no JavaScript";
  const nlohmann::json top = nlohmann::json::parse(server_->GetPath("/top.json?limit=2").body);
  EXPECT_EQ(top, nlohmann::json::parse(R"([
      {"place": 1, "name": "<b>Bold</b> & 'Co'", "points": 5000, "date": "07 Dec 2026",
       "time": "07 Dec 2026/08:30:00", "rank": 12, "title": "Master of destruction + 2"},
      {"place": 2, "name": "\u00c9l\u00e8ve", "points": 1200, "date": "06 Dec 2026",
       "time": "06 Dec 2026/12:00:00", "rank": 7, "title": "Apprentice of destruction + 2"}])"));
}

// One address may send a hundred entries a minute; the rest are refused and nothing of them kept,
// while every other address goes on as before.
TEST_P(ServerContract, AFloodFromOneAddressStopsAtAHundred) {
  int stored = 0, refused = 0;
  for (int i = 0; i < 150; ++i) {
    const auto [status, body] = server_->Get(SubmitFor({"flood " + std::to_string(i), 100 + i, "t", 1}));
    if (status == 200 && body == "[OK]\n") ++stored;
    if (status == 429 && body.starts_with("[ERROR]") && body.find("[OK]") == std::string::npos) ++refused;
  }
  EXPECT_EQ(stored, 100);
  EXPECT_EQ(refused, 50);
  std::vector<OnlineRecord> table;
  ASSERT_TRUE(store_->Best(1000, table));
  EXPECT_EQ(table.size(), 100u);
  EXPECT_EQ(table.back().name, "flood 0") << "the first hundred were kept";
  EXPECT_EQ(server_->Get(SubmitFor({"elsewhere", 5, "t", 1}), "127.0.0.2").second, "[OK]\n");
}

TEST_P(ServerContract, TheTableKeepsItsBestEntries) {
  ServerSetup setup;
  setup.maxEntries = 5;
  RunningServer small(db_, setup);
  for (const int points : {30, 80, 10, 50, 70}) {
    EXPECT_EQ(small.Get(SubmitFor({"p" + std::to_string(points), points, "t", 0})).second, "[OK]\n");
  }
  std::vector<OnlineRecord> table;
  ASSERT_TRUE(store_->Best(100, table));
  EXPECT_EQ(table.size(), 5u) << "five entries fit";
  for (const int points : {20, 60, 90}) small.Get(SubmitFor({"p" + std::to_string(points), points, "t", 0}));
  table.clear();
  ASSERT_TRUE(store_->Best(100, table));
  std::vector<int> points;
  for (const OnlineRecord& record : table) points.push_back(record.points);
  EXPECT_EQ(points, (std::vector<int>{90, 80, 70, 60, 50}));
}

TEST_P(ServerContract, OperatorsSeeHealthAndCounts) {
  const HttpAnswer health = server_->GetPath("/healthz");
  EXPECT_EQ(health.status, 200);
  EXPECT_EQ(health.body, "ok\n");
  Fetch();
  Fetch();
  server_->Get("submit.php?name=x");
  const std::string metrics = server_->GetPath("/metrics").body;
  for (const std::string line : {"tolvex_highscore_requests_total{route=\"get.php\",status=\"200\"} 2\n",
                                 "tolvex_highscore_requests_total{route=\"healthz\",status=\"200\"} 1\n",
                                 "tolvex_highscore_requests_total{route=\"submit.php\",status=\"400\"} 1\n",
                                 "tolvex_highscore_refusals_total{reason=\"malformed\"} 1\n",
                                 "tolvex_highscore_open_connections 1\n",
                                 // Two fetches within a second, one read of the store.
                                 "tolvex_highscore_store_seconds_count{operation=\"best\"} 1\n",
                                 "tolvex_highscore_store_seconds_bucket{operation=\"best\",le=\"+Inf\"} 1\n",
                                 "tolvex_highscore_store_seconds_count{operation=\"ping\"} 1\n"}) {
    EXPECT_NE(metrics.find(line), std::string::npos) << line << metrics;
  }
}

// Two game folders on one machine, one server: after the update button each list holds both
// pilots' entries, marked online, and keeps them in its file.
TEST_P(ServerContract, UpdateButtonSharesScoresBetweenGameFolders) {
  const auto play = [this](const char* pilot, const char* name, int points, int rank) {
    std::filesystem::create_directories(folder_ / pilot);
    std::filesystem::current_path(folder_ / pilot);
    Forget();
    TScore::Init();
    if (points) TScore::Add(name, points, "", rank, false);
    TScore::Sort();
    TScore::Save();
  };
  const auto pressUpdate = [] {
    TScore::OnlineUpdate();
    TScore::Sort();
  };
  OnlineHighscore = 1;
  EXPECT_TRUE(TScore::Connect());
  EXPECT_EQ(OnlineHighscore, 1);
  play("A", "R&D #1 = best", 1200, 7);
  pressUpdate();
  play("B", "Bo", 900, 3);
  pressUpdate();
  EXPECT_EQ(Names(), (std::vector<std::string>{"R&D #1  best", "Bo"}));
  play("A", "", 0, 0);
  pressUpdate();
  EXPECT_EQ(Names(), (std::vector<std::string>{"R&D #1  best", "Bo"}));
  Forget();
  TScore::Init();
  ASSERT_EQ(Entries().size(), 2u);
  for (const TScorePtr& entry : Entries()) EXPECT_TRUE(entry->online) << entry->name;
  EXPECT_EQ(Fetch().size(), 2u) << "each entry is in the table once";
}

TEST_P(ServerContract, InstancesOnOneTableSeeEachOthersEntries) {
  RunningServer other(db_);
  EXPECT_TRUE(Submit({"first", 10, "t", 1}));
  UseServer(other);
  EXPECT_TRUE(Submit({"second", 20, "t", 1}));
  EXPECT_EQ(Fetch(), (std::vector<OnlineRecord>{{"second", 20, "t", 1}, {"first", 10, "t", 1}}));
}

TEST_P(ServerContract, EveryRequestLeavesOneLogLine) {
  // A line is written just after its answer goes out, so each request waits for the one before.
  CheckOnlineVersion();
  LogOf(1);
  server_->Get("submit.php?name=x");
  LogOf(2);
  server_->Get("nowhere.php");
  const auto log = LogOf(3);
  ASSERT_EQ(log.size(), 3u);
  EXPECT_NE(log[0].find("127.0.0.1 GET /games/tolvexExt107highscore/checkversion.php 200 [true]"), std::string::npos)
      << log[0];
  EXPECT_NE(log[1].find("submit.php 400 [ERROR] missing or repeated"), std::string::npos) << log[1];
  EXPECT_NE(log[2].find("nowhere.php 404"), std::string::npos) << log[2];
}

}  // namespace tolvex
