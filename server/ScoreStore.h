#pragma once
// Where the highscore server keeps the table's entries.
#include <memory>
#include <string>
#include <vector>

#include "scores/OnlineRecord.h"

namespace tolvex {

enum class InsertResult { Stored, Duplicate, Failed };

// A store of entries, safe to call from several request threads at once.
class ScoreStore {
 public:
  virtual ~ScoreStore() = default;
  // Stores the entry unless one with the same name, points, time and rank is there already.
  virtual InsertResult Insert(const OnlineRecord& record) = 0;
  // Fills records with up to limit entries, most points first, equal points in the order they
  // arrived; false when the store failed.
  virtual bool Best(int limit, std::vector<OnlineRecord>& records) = 0;
};

// True when a --db value names a PostgreSQL database ("postgresql://…" or "postgres://…").
bool IsPostgresUri(const std::string& db);
// Opens the store a --db value names: a PostgreSQL database, or else an SQLite file (created when
// missing). Null, with the reason in error, when it cannot be opened.
std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& db, std::string& error);

}  // namespace tolvex
