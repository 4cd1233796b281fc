// The highscore server's contract with PostgreSQL as its store, on a throwaway database server
// that this program starts once and stops at the end.
#include "ServerContract.h"
#include "postgres/PostgresInstance.h"

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

INSTANTIATE_TEST_SUITE_P(Postgres, ServerContract, ::testing::Values(StoreSite{"Postgres", FreshPostgresDatabase}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tolvex
