#include "server/PostgresStore.h"

#include <arpa/inet.h>
#include <libpq-fe.h>

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
constexpr const char* kInsertName = "tolvex_insert";
constexpr const char* kInsert =
    "INSERT INTO highscores (name, points, time, rank) VALUES ($1::bytea, $2::integer, $3::bytea, $4::integer)"
    " ON CONFLICT DO NOTHING";
constexpr const char* kBestName = "tolvex_best";
constexpr const char* kBest = "SELECT name, points, time, rank FROM highscores ORDER BY points DESC, id LIMIT $1::integer";
constexpr int kText = 0, kBinary = 1;

void IgnoreNotice(void*, const char*) {}

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

std::unique_ptr<PostgresStore> PostgresStore::Open(const std::string& uri, std::string& error) {
  auto store = std::unique_ptr<PostgresStore>(new PostgresStore);
  store->connection_.reset(PQconnectdb(uri.c_str()));
  if (PQstatus(store->connection_.get()) != CONNECTION_OK) {
    error = std::string("cannot connect to PostgreSQL: ") + PQerrorMessage(store->connection_.get());
    return nullptr;
  }
  PQsetNoticeProcessor(store->connection_.get(), IgnoreNotice, nullptr);
  if (!store->Prepare(error)) return nullptr;
  return store;
}

bool PostgresStore::Prepare(std::string& error) {
  pg_conn* connection = connection_.get();
  const Result schema(PQexec(connection, kSchema));
  const Result insert(PQprepare(connection, kInsertName, kInsert, 4, nullptr));
  const Result best(PQprepare(connection, kBestName, kBest, 1, nullptr));
  for (const Result* step : {&schema, &insert, &best}) {
    if (PQresultStatus(step->get()) != PGRES_COMMAND_OK) {
      error = std::string("cannot set up the PostgreSQL table: ") + PQresultErrorMessage(step->get());
      return false;
    }
  }
  return true;
}

PostgresStore::Result PostgresStore::Execute(const char* statement, int count, const char* const* values,
                                             const int* lengths, const int* formats, int resultFormat) {
  Result result(PQexecPrepared(connection_.get(), statement, count, values, lengths, formats, resultFormat));
  if (PQstatus(connection_.get()) == CONNECTION_OK) return result;
  PQreset(connection_.get());
  std::string error;
  if (PQstatus(connection_.get()) != CONNECTION_OK || !Prepare(error)) return result;
  return Result(PQexecPrepared(connection_.get(), statement, count, values, lengths, formats, resultFormat));
}

InsertResult PostgresStore::Insert(const OnlineRecord& record) {
  const std::lock_guard lock(mutex_);
  const std::string points = std::to_string(record.points), rank = std::to_string(record.rank);
  const char* values[] = {record.name.data(), points.c_str(), record.time.data(), rank.c_str()};
  const int lengths[] = {static_cast<int>(record.name.size()), 0, static_cast<int>(record.time.size()), 0};
  const int formats[] = {kBinary, kText, kBinary, kText};
  const Result result = Execute(kInsertName, 4, values, lengths, formats, kText);
  if (PQresultStatus(result.get()) != PGRES_COMMAND_OK) return InsertResult::Failed;
  return std::strcmp(PQcmdTuples(result.get()), "1") == 0 ? InsertResult::Stored : InsertResult::Duplicate;
}

bool PostgresStore::Best(int limit, std::vector<OnlineRecord>& records) {
  const std::lock_guard lock(mutex_);
  const std::string limitText = std::to_string(limit);
  const char* values[] = {limitText.c_str()};
  const Result result = Execute(kBestName, 1, values, nullptr, nullptr, kBinary);
  if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) return false;
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    records.push_back({ValueBytes(result.get(), row, 0), ValueInt(result.get(), row, 1), ValueBytes(result.get(), row, 2),
                       ValueInt(result.get(), row, 3)});
  }
  return true;
}

}  // namespace tolvex
