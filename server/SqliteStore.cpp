#include "server/SqliteStore.h"

#include <sqlite3.h>

namespace tolvex {

namespace {

// Names and times are kept as the bytes the game sent, whatever their encoding.
constexpr const char* kSchema =
    "PRAGMA journal_mode = WAL;"
    "CREATE TABLE IF NOT EXISTS highscores ("
    " id INTEGER PRIMARY KEY, name BLOB NOT NULL, points INTEGER NOT NULL, time BLOB NOT NULL,"
    " rank INTEGER NOT NULL, UNIQUE (name, points, time, rank));"
    "CREATE INDEX IF NOT EXISTS highscores_best ON highscores (points DESC, id);";
constexpr const char* kInsert =
    "INSERT OR IGNORE INTO highscores (name, points, time, rank) VALUES (?1, ?2, ?3, ?4)";
constexpr const char* kBest = "SELECT name, points, time, rank FROM highscores ORDER BY points DESC, id LIMIT ?1";

std::string ColumnBytes(sqlite3_stmt* statement, int column) {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
  return bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))) : "";
}

void BindBytes(sqlite3_stmt* statement, int index, const std::string& bytes) {
  sqlite3_bind_blob(statement, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

}  // namespace

void SqliteStore::CloseDatabase::operator()(sqlite3* db) const { sqlite3_close(db); }
void SqliteStore::FinalizeStatement::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

std::unique_ptr<SqliteStore> SqliteStore::Open(const std::string& path, std::string& error) {
  auto store = std::unique_ptr<SqliteStore>(new SqliteStore);
  sqlite3* db = nullptr;
  const int opened = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  store->db_.reset(db);
  sqlite3_stmt* insert = nullptr;
  sqlite3_stmt* best = nullptr;
  if (opened == SQLITE_OK && sqlite3_busy_timeout(db, 2000) == SQLITE_OK &&
      sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK &&
      sqlite3_prepare_v2(db, kInsert, -1, &insert, nullptr) == SQLITE_OK &&
      sqlite3_prepare_v2(db, kBest, -1, &best, nullptr) == SQLITE_OK) {
    store->insert_.reset(insert);
    store->best_.reset(best);
    return store;
  }
  sqlite3_finalize(insert);
  error = "cannot open the SQLite store " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
  return nullptr;
}

InsertResult SqliteStore::Insert(const OnlineRecord& record) {
  const std::lock_guard lock(mutex_);
  sqlite3_stmt* statement = insert_.get();
  sqlite3_reset(statement);
  BindBytes(statement, 1, record.name);
  sqlite3_bind_int(statement, 2, record.points);
  BindBytes(statement, 3, record.time);
  sqlite3_bind_int(statement, 4, record.rank);
  if (sqlite3_step(statement) != SQLITE_DONE) return InsertResult::Failed;
  return sqlite3_changes(db_.get()) > 0 ? InsertResult::Stored : InsertResult::Duplicate;
}

bool SqliteStore::Best(int limit, std::vector<OnlineRecord>& records) {
  const std::lock_guard lock(mutex_);
  sqlite3_stmt* statement = best_.get();
  sqlite3_reset(statement);
  sqlite3_bind_int(statement, 1, limit);
  int step;
  while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
    records.push_back({ColumnBytes(statement, 0), sqlite3_column_int(statement, 1), ColumnBytes(statement, 2),
                       sqlite3_column_int(statement, 3)});
  }
  return step == SQLITE_DONE;
}

}  // namespace tolvex
