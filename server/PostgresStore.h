#pragma once
// The table in a PostgreSQL database, so that several server instances can share one table.
#include <functional>
#include <memory>
#include <string>

#include "server/ScoreStore.h"

struct pg_conn;
struct pg_result;

namespace tolvex {

// One connection to the database. Every wait — connecting, sending, the answer — ends at the
// operation's deadline, so a database host that has gone silent costs a request at most that
// long; a connection lost or timed out is dropped and opened anew by the next operation, at most
// one try a second.
class PostgresStore final : public ScoreStore {
 public:
  // Connects, creates the table if needed and prepares the statements, all before deadline; null
  // with the reason in error when that fails.
  static std::unique_ptr<PostgresStore> Open(const std::string& uri, Clock::time_point deadline, std::string& error);

  InsertResult Insert(const OnlineRecord& record) override;
  bool Best(int limit, std::vector<OnlineRecord>& records) override;
  bool KeepBest(int maxEntries) override;
  bool Ping() override;

 private:
  struct FinishConnection {
    void operator()(pg_conn* connection) const;
  };
  struct ClearResult {
    void operator()(pg_result* result) const;
  };
  using Result = std::unique_ptr<pg_result, ClearResult>;
  // Sends one command on the connection; false when it could not be sent.
  using Send = std::function<bool(pg_conn*)>;

  explicit PostgresStore(std::string uri) : uri_(std::move(uri)) {}

  // Opens a new connection and prepares it, before deadline.
  bool Connect(Clock::time_point deadline, std::string& error);
  // Creates the table and prepares the statements on the new connection.
  bool Prepare(Clock::time_point deadline, std::string& error);
  // Sends the command and waits for its answer before deadline: its first failed result, else its
  // last one. Null, with the connection dropped, when the connection fails or time runs out.
  Result Run(const Send& send, Clock::time_point deadline);
  // Run on the connection there is; when that is lost, one new connection and one more run.
  Result Execute(const Send& send);
  // Waits until the connection's socket is ready for events; false when deadline comes first.
  bool WaitFor(short events, Clock::time_point deadline) const;

  std::string uri_;
  std::unique_ptr<pg_conn, FinishConnection> connection_;
  Clock::time_point nextConnect_{};
};

}  // namespace tolvex
