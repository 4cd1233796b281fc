#include "server/PostgresStore.h"

#include <arpa/inet.h>
#include <libpq-fe.h>
#include <poll.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace tolvex {

namespace {

// Names and times are kept as the bytes the game sent, whatever their encoding. The advisory
// lock keeps instances that start together from creating the table twice.
constexpr const char* kSchema =
    "BEGIN;"
    "SELECT pg_advisory_xact_lock(1071);"
    "CREATE TABLE IF NOT EXISTS highscores ("
    " id BIGSERIAL PRIMARY KEY, name BYTEA NOT NULL, points INTEGER NOT NULL, time BYTEA NOT NULL,"
    " rank INTEGER NOT NULL, UNIQUE (name, points, time, rank));"
    "CREATE INDEX IF NOT EXISTS highscores_best ON highscores (points DESC, id);"
    "COMMIT;";
struct Statement {
  const char* name;
  const char* sql;
  int parameters;
};
constexpr Statement kInsert = {
    "tolvex_insert",
    "INSERT INTO highscores (name, points, time, rank) VALUES ($1::bytea, $2::integer, $3::bytea, $4::integer)"
    " ON CONFLICT DO NOTHING",
    4};
constexpr Statement kBest = {
    "tolvex_best", "SELECT name, points, time, rank FROM highscores ORDER BY points DESC, id LIMIT $1::integer", 1};
constexpr Statement kKeepBest = {
    "tolvex_keep_best",
    "DELETE FROM highscores WHERE id IN (SELECT id FROM highscores ORDER BY points DESC, id OFFSET $1::integer)", 1};
constexpr Statement kPing = {"tolvex_ping", "SELECT 1", 0};
constexpr Statement kStatements[] = {kInsert, kBest, kKeepBest, kPing};
constexpr int kText = 0, kBinary = 1;
// A database that refused or dropped a connection is not asked again sooner than this.
constexpr auto kConnectPause = std::chrono::seconds(1);

void IgnoreNotice(void*, const char*) {}

bool Succeeded(const pg_result* result) {
  const ExecStatusType status = PQresultStatus(result);
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

std::string ValueBytes(const PGresult* result, int row, int column) {
  return std::string(PQgetvalue(result, row, column), static_cast<std::size_t>(PQgetlength(result, row, column)));
}

// An integer column of a binary result: four bytes, most significant first.
int ValueInt(const PGresult* result, int row, int column) {
  if (PQgetlength(result, row, column) != 4) return 0;
  std::uint32_t bigEndian;
  std::memcpy(&bigEndian, PQgetvalue(result, row, column), 4);
  return static_cast<int>(ntohl(bigEndian));
}

}  // namespace

void PostgresStore::FinishConnection::operator()(pg_conn* connection) const { PQfinish(connection); }
void PostgresStore::ClearResult::operator()(pg_result* result) const { PQclear(result); }

std::unique_ptr<PostgresStore> PostgresStore::Open(const std::string& uri, Clock::time_point deadline,
                                                   std::string& error) {
  auto store = std::unique_ptr<PostgresStore>(new PostgresStore(uri));
  if (!store->Connect(deadline, error)) return nullptr;
  return store;
}

bool PostgresStore::Connect(Clock::time_point deadline, std::string& error) {
  connection_.reset(PQconnectStart(uri_.c_str()));
  pg_conn* connection = connection_.get();
  if (!connection || PQstatus(connection) == CONNECTION_BAD) {
    error = std::string("cannot connect to PostgreSQL: ") + (connection ? PQerrorMessage(connection) : "out of memory");
    connection_.reset();
    return false;
  }
  PostgresPollingStatusType polling = PGRES_POLLING_WRITING;
  while (polling != PGRES_POLLING_OK) {
    if (polling == PGRES_POLLING_FAILED || !WaitFor(polling == PGRES_POLLING_READING ? POLLIN : POLLOUT, deadline)) {
      error = std::string("cannot connect to PostgreSQL: ") +
              (polling == PGRES_POLLING_FAILED ? PQerrorMessage(connection) : "no answer in time");
      connection_.reset();
      return false;
    }
    polling = PQconnectPoll(connection);
  }
  PQsetNoticeProcessor(connection, IgnoreNotice, nullptr);
  PQsetnonblocking(connection, 1);
  return Prepare(deadline, error);
}

bool PostgresStore::Prepare(Clock::time_point deadline, std::string& error) {
  const auto failed = [&](pg_result* result) {
    error = std::string("cannot set up the PostgreSQL table: ") +
            (result ? PQresultErrorMessage(result) : "the connection failed or took too long");
    connection_.reset();
    return false;
  };
  const Result schema = Run([](pg_conn* c) { return PQsendQuery(c, kSchema) == 1; }, deadline);
  if (!schema || !Succeeded(schema.get())) return failed(schema.get());
  for (const Statement& statement : kStatements) {
    const Result prepared = Run(
        [&](pg_conn* c) { return PQsendPrepare(c, statement.name, statement.sql, statement.parameters, nullptr) == 1; },
        deadline);
    if (!prepared || !Succeeded(prepared.get())) return failed(prepared.get());
  }
  return true;
}

bool PostgresStore::WaitFor(short events, Clock::time_point deadline) const {
  pollfd ready{PQsocket(connection_.get()), events, 0};
  if (ready.fd < 0) return false;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const int polled = poll(&ready, 1, static_cast<int>(left));
    if (polled > 0) return true;
    if (polled == 0 || errno != EINTR) return false;
  }
}

PostgresStore::Result PostgresStore::Run(const Send& send, Clock::time_point deadline) {
  pg_conn* connection = connection_.get();
  const auto lost = [this] {
    connection_.reset();
    return Result();
  };
  if (!connection || PQstatus(connection) != CONNECTION_OK || !send(connection)) return lost();
  int flushed;
  while ((flushed = PQflush(connection)) == 1) {
    if (!WaitFor(POLLOUT | POLLIN, deadline) || !PQconsumeInput(connection)) return lost();
  }
  if (flushed < 0) return lost();
  Result kept;
  for (;;) {
    while (PQisBusy(connection)) {
      if (!WaitFor(POLLIN, deadline) || !PQconsumeInput(connection)) return lost();
    }
    Result next(PQgetResult(connection));
    if (!next) break;
    if (!kept || Succeeded(kept.get())) kept = std::move(next);
  }
  if (PQstatus(connection) != CONNECTION_OK) return lost();
  return kept;
}

PostgresStore::Result PostgresStore::Execute(const Send& send) {
  const Clock::time_point deadline = Deadline();
  if (connection_) {
    Result result = Run(send, deadline);
    if (connection_) return result;
  }
  if (Clock::now() < nextConnect_) return nullptr;
  std::string error;
  if (!Connect(deadline, error)) {
    nextConnect_ = Clock::now() + kConnectPause;
    return nullptr;
  }
  return Run(send, deadline);
}

InsertResult PostgresStore::Insert(const OnlineRecord& record) {
  const std::string points = std::to_string(record.points), rank = std::to_string(record.rank);
  const char* values[] = {record.name.data(), points.c_str(), record.time.data(), rank.c_str()};
  const int lengths[] = {static_cast<int>(record.name.size()), 0, static_cast<int>(record.time.size()), 0};
  const int formats[] = {kBinary, kText, kBinary, kText};
  const Result result = Execute([&](pg_conn* c) {
    return PQsendQueryPrepared(c, kInsert.name, 4, values, lengths, formats, kText) == 1;
  });
  if (!result || PQresultStatus(result.get()) != PGRES_COMMAND_OK) return InsertResult::Failed;
  return std::strcmp(PQcmdTuples(result.get()), "1") == 0 ? InsertResult::Stored : InsertResult::Duplicate;
}

bool PostgresStore::Best(int limit, std::vector<OnlineRecord>& records) {
  const std::string limitText = std::to_string(limit);
  const char* values[] = {limitText.c_str()};
  const Result result = Execute([&](pg_conn* c) {
    return PQsendQueryPrepared(c, kBest.name, 1, values, nullptr, nullptr, kBinary) == 1;
  });
  if (!result || PQresultStatus(result.get()) != PGRES_TUPLES_OK) return false;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    records.push_back({ValueBytes(result.get(), row, 0), ValueInt(result.get(), row, 1), ValueBytes(result.get(), row, 2),
                       ValueInt(result.get(), row, 3)});
  }
  return true;
}

bool PostgresStore::KeepBest(int maxEntries) {
  const std::string keep = std::to_string(maxEntries);
  const char* values[] = {keep.c_str()};
  const Result result = Execute([&](pg_conn* c) {
    return PQsendQueryPrepared(c, kKeepBest.name, 1, values, nullptr, nullptr, kText) == 1;
  });
  return result && PQresultStatus(result.get()) == PGRES_COMMAND_OK;
}

bool PostgresStore::Ping() {
  const Result result =
      Execute([](pg_conn* c) { return PQsendQueryPrepared(c, kPing.name, 0, nullptr, nullptr, nullptr, kText) == 1; });
  return result && PQresultStatus(result.get()) == PGRES_TUPLES_OK;
}

}  // namespace tolvex
