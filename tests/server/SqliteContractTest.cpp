// The highscore server's contract with its default store, an SQLite file.
#include <sqlite3.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "ServerContract.h"

namespace tolvex {
namespace {

// A folder of this test process's own, removed when the process ends.
struct TestFolder {
  TestFolder() { std::filesystem::create_directories(path); }
  ~TestFolder() { std::filesystem::remove_all(path); }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tolvex_sqlite_" + std::to_string(::getpid()));
};

std::string FreshSqliteFile(std::string&) {
  static const TestFolder folder;
  static std::atomic<int> count{0};
  return (folder.path / ("table" + std::to_string(count++) + ".sqlite")).string();
}

// The table keeps a write-ahead log, so the page and the fetches read while entries are written.
TEST(SqliteStoreTest, TheTableKeepsAWriteAheadLog) {
  std::string unused;
  const std::string db = FreshSqliteFile(unused);
  RunningServer server(db);
  EXPECT_EQ(server.Get(SubmitQuery({"Ace", 5, "t", 1})).second, "[OK]\n");
  sqlite3* file = nullptr;
  ASSERT_EQ(sqlite3_open_v2(db.c_str(), &file, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  sqlite3_stmt* mode = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(file, "PRAGMA journal_mode", -1, &mode, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(mode), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(mode, 0)), "wal");
  sqlite3_finalize(mode);
  sqlite3_close(file);
}

INSTANTIATE_TEST_SUITE_P(Sqlite, ServerContract, ::testing::Values(StoreSite{"Sqlite", FreshSqliteFile}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tolvex
