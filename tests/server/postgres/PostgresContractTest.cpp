// The highscore server's contract with PostgreSQL as its store, on a throwaway database server
// that this program starts once and stops at the end.
#include <libpq-fe.h>

#include <future>

#include "ServerContract.h"
#include "postgres/PostgresInstance.h"
#include "server/PostgresStore.h"

namespace tolvex {
namespace {

std::unique_ptr<PostgresInstance> postgres;

class PostgresEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    postgres = std::make_unique<PostgresInstance>();
    if (!postgres->Problem().empty()) std::cout << "PostgreSQL tests skip: " << postgres->Problem() << std::endl;
  }
  void TearDown() override { postgres.reset(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new PostgresEnvironment);

std::string FreshPostgresDatabase(std::string& problem) {
  const std::string uri = postgres->CreateDatabase();
  problem = "PostgreSQL is not available: " + postgres->Problem();
  return uri;
}

// A store whose connection the database cuts (a restart, an administrator) reconnects and goes on.
TEST(PostgresStoreTest, ReconnectsWhenTheDatabaseDropsTheConnection) {
  const std::string db = postgres->CreateDatabase();
  if (db.empty()) GTEST_SKIP() << postgres->Problem();
  std::string error;
  const auto store = OpenScoreStore(db, error);
  ASSERT_TRUE(store) << error;
  EXPECT_EQ(store->Insert({"before", 1, "t", 0}), InsertResult::Stored);
  const std::string name = db.substr(db.rfind('/') + 1);
  ASSERT_TRUE(postgres->Execute("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + name + "'"));
  EXPECT_EQ(store->Insert({"after", 2, "t", 0}), InsertResult::Stored);
  std::vector<OnlineRecord> best;
  EXPECT_TRUE(store->Best(10, best));
  EXPECT_EQ(best.size(), 2u);
}

// A database host that takes the connection and then says nothing costs no more than the time
// allowed: the store gives up instead of waiting for the system's TCP time-outs.
TEST(PostgresStoreTest, AHostThatNeverAnswersCostsOnlyTheTimeAllowed) {
  const int silent = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int port = TakeTestPort([silent](int candidate) {
    const sockaddr_in address = LoopbackAddress(candidate);
    return bind(silent, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  });
  ASSERT_EQ(listen(silent, 4), 0);
  std::string error;
  const auto start = std::chrono::steady_clock::now();
  const auto store = PostgresStore::Open("postgresql://tolvex@127.0.0.1:" + std::to_string(port) + "/table",
                                         start + std::chrono::milliseconds(300), error);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  close(silent);
  EXPECT_FALSE(store);
  EXPECT_NE(error.find("no answer in time"), std::string::npos) << error;
  EXPECT_LT(seconds, 1.0);
}

// A table someone else holds locked (a stuck transaction, a long migration) costs the requests
// that need it their deadline, not the instance: they are answered 503 in time, every other
// request at once, and the table serves again once it is free.
TEST(PostgresStoreTest, AStalledTableIsAnswered503InTimeWhileTheRestIsServed) {
  const std::string db = postgres->CreateDatabase();
  if (db.empty()) GTEST_SKIP() << postgres->Problem();
  RunningServer server(db);
  const std::unique_ptr<PGconn, decltype(&PQfinish)> locker(PQconnectdb(db.c_str()), PQfinish);
  const auto run = [&](const char* sql) { PQclear(PQexec(locker.get(), sql)); };
  run("BEGIN");
  run("LOCK TABLE highscores IN ACCESS EXCLUSIVE MODE");
  const auto start = std::chrono::steady_clock::now();
  const auto since = [&start] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
  auto stalled = std::async(std::launch::async, [&] {
    const auto answer = server.Get("get.php?limit=10");
    return std::pair{answer, since()};
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(server.Get("checkversion.php?version=" + OnlineVersionValue()).second, "[true]\n");
  EXPECT_EQ(server.GetPath("/metrics").status, 200);
  const double servedMeanwhile = since();
  const auto [answer, seconds] = stalled.get();
  EXPECT_EQ(answer.first, 503);
  EXPECT_TRUE(answer.second.starts_with("[ERROR]")) << answer.second;
  EXPECT_LT(servedMeanwhile, seconds) << "the other requests did not wait for the table";
  EXPECT_LT(seconds, 2.0);
  run("ROLLBACK");
  EXPECT_EQ(server.Get("get.php?limit=10"), (std::pair<int, std::string>{200, "[start][end]\n"}));
}

// A database that takes no connections (shut for maintenance, gone) is answered 503 in time and
// reported by /healthz; once it is back, so is the table, without a restart.
TEST(PostgresStoreTest, AnUnreachableDatabaseIsReportedAndFoundAgain) {
  const std::string db = postgres->CreateDatabase();
  if (db.empty()) GTEST_SKIP() << postgres->Problem();
  RunningServer server(db);
  const std::string name = db.substr(db.rfind('/') + 1);
  ASSERT_TRUE(postgres->Execute("ALTER DATABASE " + name + " WITH ALLOW_CONNECTIONS false"));
  ASSERT_TRUE(postgres->Execute("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + name + "'"));
  const auto start = std::chrono::steady_clock::now();
  const auto fetched = server.Get("get.php?limit=10");
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 2.0);
  EXPECT_EQ(fetched.first, 503);
  EXPECT_EQ(server.GetPath("/healthz").status, 503);
  ASSERT_TRUE(postgres->Execute("ALTER DATABASE " + name + " WITH ALLOW_CONNECTIONS true"));
  // Each pooled connection that failed waits a second before it tries again, so the table comes
  // back on every connection within a second or so of the database.
  int status = 0;
  std::pair<int, std::string> fetchedAgain;
  for (int attempt = 0; attempt < 40 && (status != 200 || fetchedAgain.first != 200); ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    status = server.GetPath("/healthz").status;
    fetchedAgain = server.Get("get.php?limit=10");
  }
  EXPECT_EQ(status, 200);
  EXPECT_EQ(fetchedAgain, (std::pair<int, std::string>{200, "[start][end]\n"}));
}

INSTANTIATE_TEST_SUITE_P(Postgres, ServerContract, ::testing::Values(StoreSite{"Postgres", FreshPostgresDatabase}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tolvex
