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

#include "RunningServer.h"
#include "scores/Md5.h"
#include "scores/OnlineClient.h"
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
    server_ = std::make_unique<RunningServer>(*store_);
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
  EXPECT_EQ(server_->Get("checkversion.php?version=0123").second, "[false]\n");
  EXPECT_EQ(server_->Get("checkversion.php").second, "[false]\n");
  const std::vector<OnlineRecord> submitted{{"Ace Pilot", 1200, "06 Dec 2026/12:00:00", 7},
                                            {"Q&A #1 100% +/", 5000, "07 Dec 2026/08:30:00", 12},
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

TEST_P(ServerContract, FetchServesAtMostAHundred) {
  for (int points = 1; points <= 101; ++points) ASSERT_EQ(store_->Insert({"p", points, "t", 0}), InsertResult::Stored);
  const auto recordsFor = [this](const std::string& limit) {
    std::vector<OnlineRecord> records;
    ParseOnlineRecords(server_->Get("get.php?limit=" + limit).second, records);
    return records;
  };
  for (const auto& [limit, count] : {std::pair{"0", 0u}, {"1", 1u}, {"99", 99u}, {"100", 100u}, {"101", 100u},
                                     {"5000", 100u}}) {
    const std::vector<OnlineRecord> records = recordsFor(limit);
    ASSERT_EQ(records.size(), count) << limit;
    if (count) EXPECT_EQ(records.back().points, 102 - static_cast<int>(count)) << "the best " << limit;
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
  const auto otherStore = Open();
  ASSERT_TRUE(otherStore);
  RunningServer other(*otherStore);
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
