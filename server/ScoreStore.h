#pragma once
// Where the highscore server keeps the table's entries.
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "scores/OnlineRecord.h"

namespace tolvex {

enum class InsertResult { Stored, Duplicate, Failed };

// One connection to the table, used by one thread at a time; the server keeps a few of them.
class ScoreStore {
 public:
  using Clock = std::chrono::steady_clock;

  virtual ~ScoreStore() = default;
  // Stores the entry unless one with the same name, points, time and rank is there already.
  virtual InsertResult Insert(const OnlineRecord& record) = 0;
  // Fills records with up to limit entries, most points first, equal points in the order they
  // arrived; false when the store failed.
  virtual bool Best(int limit, std::vector<OnlineRecord>& records) = 0;
  // Removes every entry after the best maxEntries; false when the store failed.
  virtual bool KeepBest(int maxEntries) = 0;
  // True when the store answers.
  virtual bool Ping() = 0;
  // The operations that follow fail rather than wait past deadline, for the database as for a
  // connection lost to it; without one, each may take a couple of seconds.
  void GiveUpAt(std::optional<Clock::time_point> deadline) { deadline_ = deadline; }

 protected:
  // The moment the operation under way gives up.
  Clock::time_point Deadline() const { return deadline_.value_or(Clock::now() + std::chrono::seconds(2)); }

 private:
  std::optional<Clock::time_point> deadline_;
};

// True when a --db value names a PostgreSQL database ("postgresql://…" or "postgres://…").
bool IsPostgresUri(const std::string& db);
// Opens a connection to the store a --db value names: a PostgreSQL database, or else an SQLite
// file (created when missing), with the table created if needed. Null, with the reason in error,
// when that cannot be done before deadline.
std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& db, std::string& error,
                                           ScoreStore::Clock::time_point deadline = ScoreStore::Clock::now() +
                                                                                    std::chrono::seconds(2));

}  // namespace tolvex
