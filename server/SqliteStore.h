#pragma once
// The table in an SQLite file: the store for one server instance.
#include <memory>
#include <mutex>
#include <string>

#include "server/ScoreStore.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tolvex {

// One connection to the file; the server opens one per worker, and the write-ahead log lets them
// read while one of them writes. Writers of one process take turns on a lock of their own rather
// than on SQLite's, whose waiting is sleeping and polling.
class SqliteStore final : public ScoreStore {
 public:
  // Opens or creates the file and its table; null with the reason in error when that fails.
  static std::unique_ptr<SqliteStore> Open(const std::string& path, std::string& error);

  InsertResult Insert(const OnlineRecord& record) override;
  bool Best(int limit, std::vector<OnlineRecord>& records) override;
  bool KeepBest(int maxEntries) override;
  bool Ping() override;

 private:
  struct CloseDatabase {
    void operator()(sqlite3* db) const;
  };
  struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const;
  };
  using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

  // The statement reset, with the time it may wait for another writer cut to the deadline.
  sqlite3_stmt* Ready(const Statement& statement);
  // Runs a statement that writes once this connection has the writers' turn; false when the turn
  // does not come before the deadline or the statement fails.
  bool Write(sqlite3_stmt* statement);

  std::unique_ptr<sqlite3, CloseDatabase> db_;
  Statement insert_, best_, keepBest_, ping_;
};

}  // namespace tolvex
