#include "server/ScoreStore.h"

#include "server/PostgresStore.h"
#include "server/SqliteStore.h"

namespace tolvex {

bool IsPostgresUri(const std::string& db) {
  return db.starts_with("postgresql://") || db.starts_with("postgres://");
}

std::unique_ptr<ScoreStore> OpenScoreStore(const std::string& db, std::string& error,
                                           ScoreStore::Clock::time_point deadline) {
  if (IsPostgresUri(db)) return PostgresStore::Open(db, deadline, error);
  return SqliteStore::Open(db, error);
}

}  // namespace tolvex
