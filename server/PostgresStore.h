#pragma once
// The table in a PostgreSQL database, so that several server instances can share one table.
#include <memory>
#include <mutex>
#include <string>

#include "server/ScoreStore.h"

struct pg_conn;
struct pg_result;

namespace tolvex {

class PostgresStore final : public ScoreStore {
 public:
  // Connects, creates the table if needed and prepares the statements; null with the reason in
  // error when that fails.
  static std::unique_ptr<PostgresStore> Open(const std::string& uri, std::string& error);

  InsertResult Insert(const OnlineRecord& record) override;
  bool Best(int limit, std::vector<OnlineRecord>& records) override;

 private:
  struct FinishConnection {
    void operator()(pg_conn* connection) const;
  };
  struct ClearResult {
    void operator()(pg_result* result) const;
  };
  using Result = std::unique_ptr<pg_result, ClearResult>;

  // Creates the table and prepares the statements on the current connection.
  bool Prepare(std::string& error);
  // Runs a prepared statement; after a lost connection, reconnects once and tries again.
  Result Execute(const char* statement, int count, const char* const* values, const int* lengths,
                 const int* formats, int resultFormat);

  std::mutex mutex_;
  std::unique_ptr<pg_conn, FinishConnection> connection_;
};

}  // namespace tolvex
