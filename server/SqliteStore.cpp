#include "server/SqliteStore.h"

#include <sqlite3.h>

#include <algorithm>

namespace tolvex {

namespace {

// Names and times are kept as the bytes the game sent, whatever their encoding. The write-ahead
// log with full sync makes every acknowledged entry durable before its "[OK]" goes out, and lets
// readers go on while an entry is written.
constexpr const char* kSchema =
    "PRAGMA journal_mode = WAL;"
    "PRAGMA synchronous = FULL;"
    "CREATE TABLE IF NOT EXISTS highscores ("
    " id INTEGER PRIMARY KEY, name BLOB NOT NULL, points INTEGER NOT NULL, time BLOB NOT NULL,"
    " rank INTEGER NOT NULL, UNIQUE (name, points, time, rank));"
    "CREATE INDEX IF NOT EXISTS highscores_best ON highscores (points DESC, id);";
constexpr const char* kInsert =
    "INSERT OR IGNORE INTO highscores (name, points, time, rank) VALUES (?1, ?2, ?3, ?4)";
constexpr const char* kBest = "SELECT name, points, time, rank FROM highscores ORDER BY points DESC, id LIMIT ?1";
constexpr const char* kKeepBest =
    "DELETE FROM highscores WHERE id IN (SELECT id FROM highscores ORDER BY points DESC, id LIMIT -1 OFFSET ?1)";
constexpr const char* kPing = "SELECT 1";

std::string ColumnBytes(sqlite3_stmt* statement, int column) {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
  return bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))) : "";
}

// The writers' turn, for every connection of this process.
std::timed_mutex writing;

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
  const auto prepare = [db](const char* sql, Statement& statement) {
    sqlite3_stmt* prepared = nullptr;
    const bool ok = sqlite3_prepare_v2(db, sql, -1, &prepared, nullptr) == SQLITE_OK;
    statement.reset(prepared);
    return ok;
  };
  if (opened == SQLITE_OK && sqlite3_busy_timeout(db, 2000) == SQLITE_OK &&
      sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK && prepare(kInsert, store->insert_) &&
      prepare(kBest, store->best_) && prepare(kKeepBest, store->keepBest_) && prepare(kPing, store->ping_)) {
    return store;
  }
  error = "cannot open the SQLite store " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
  return nullptr;
}

sqlite3_stmt* SqliteStore::Ready(const Statement& statement) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline() - Clock::now()).count();
  sqlite3_busy_timeout(db_.get(), static_cast<int>(std::clamp<long long>(left, 1, 60000)));
  sqlite3_reset(statement.get());
  sqlite3_clear_bindings(statement.get());
  return statement.get();
}

bool SqliteStore::Write(sqlite3_stmt* statement) {
  const std::unique_lock turn(writing, Deadline());
  if (!turn) return false;
  const bool done = sqlite3_step(statement) == SQLITE_DONE;
  sqlite3_reset(statement);
  return done;
}

InsertResult SqliteStore::Insert(const OnlineRecord& record) {
  sqlite3_stmt* statement = Ready(insert_);
  BindBytes(statement, 1, record.name);
  sqlite3_bind_int(statement, 2, record.points);
  BindBytes(statement, 3, record.time);
  sqlite3_bind_int(statement, 4, record.rank);
  if (!Write(statement)) return InsertResult::Failed;
  return sqlite3_changes(db_.get()) > 0 ? InsertResult::Stored : InsertResult::Duplicate;
}

bool SqliteStore::Best(int limit, std::vector<OnlineRecord>& records) {
  sqlite3_stmt* statement = Ready(best_);
  sqlite3_bind_int(statement, 1, limit);
  int step;
  while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
    records.push_back({ColumnBytes(statement, 0), sqlite3_column_int(statement, 1), ColumnBytes(statement, 2),
                       sqlite3_column_int(statement, 3)});
  }
  sqlite3_reset(statement);
  return step == SQLITE_DONE;
}

bool SqliteStore::KeepBest(int maxEntries) {
  sqlite3_stmt* statement = Ready(keepBest_);
  sqlite3_bind_int(statement, 1, maxEntries);
  return Write(statement);
}

bool SqliteStore::Ping() {
  sqlite3_stmt* statement = Ready(ping_);
  const bool row = sqlite3_step(statement) == SQLITE_ROW;
  sqlite3_reset(statement);
  return row;
}

}  // namespace tolvex
