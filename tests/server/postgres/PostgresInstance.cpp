#include "postgres/PostgresInstance.h"

#include <libpq-fe.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "support/TestPorts.h"

namespace tolvex {

namespace {

// The bin folder of the newest PostgreSQL that Debian's packages installed; empty when there is none.
std::filesystem::path FindPostgresBin() {
  std::filesystem::path newest;
  int newestVersion = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/postgresql", error)) {
    const int version = std::atoi(entry.path().filename().c_str());
    if (version > newestVersion && std::filesystem::exists(entry.path() / "bin" / "initdb")) {
      newest = entry.path() / "bin";
      newestVersion = version;
    }
  }
  return newest;
}

}  // namespace

PostgresInstance::PostgresInstance() {
  bin_ = FindPostgresBin();
  if (bin_.empty()) {
    problem_ = "PostgreSQL is not installed (no /usr/lib/postgresql/*/bin/initdb): install the postgresql package";
    return;
  }
  std::string pattern = (std::filesystem::temp_directory_path() / "tolvex_pg_XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    problem_ = "cannot make a temporary folder for PostgreSQL";
    return;
  }
  folder_ = pattern;
  // PostgreSQL refuses to run as root; root hands the folder to Debian's "postgres" user.
  if (::geteuid() == 0) {
    const passwd* postgres = getpwnam("postgres");
    if (!postgres || chown(folder_.c_str(), postgres->pw_uid, postgres->pw_gid) != 0) {
      problem_ = "running as root, but there is no \"postgres\" user to run PostgreSQL as";
      return;
    }
    asPostgresUser_ = true;
  }
  if (!RunTool("initdb", "-D " + (folder_ / "data").string() + " -A trust -U tolvex -E UTF8 --locale=C --no-sync")) {
    problem_ = "initdb failed; see " + (folder_ / "tools.log").string();
    return;
  }
  if (!Start()) problem_ = "PostgreSQL did not start; see " + (folder_ / "server.log").string();
}

bool PostgresInstance::Start() {
  for (int attempt = 0; attempt < 5 && !running_; ++attempt) {
    port_ = TakeTestPort(PortIsFree);
    running_ = RunTool("pg_ctl", "-D " + (folder_ / "data").string() + " -l " + (folder_ / "server.log").string() +
                                     " -w -t 30 -o \"-p " + std::to_string(port_) + " -k " + folder_.string() +
                                     " -c listen_addresses=127.0.0.1 -c fsync=off\" start");
  }
  return running_;
}

PostgresInstance::~PostgresInstance() {
  if (running_) RunTool("pg_ctl", "-D " + (folder_ / "data").string() + " -m immediate -w stop");
  if (!folder_.empty() && problem_.empty()) std::filesystem::remove_all(folder_);
}

bool PostgresInstance::RunTool(const std::string& tool, const std::string& arguments) {
  const std::string command = (asPostgresUser_ ? "runuser -u postgres -- " : "") + (bin_ / tool).string() + " " +
                              arguments + " >>" + (folder_ / "tools.log").string() + " 2>&1";
  return std::system(command.c_str()) == 0;
}

bool PostgresInstance::Execute(const std::string& sql) {
  if (!running_) return false;
  const std::string uri = "postgresql://tolvex@127.0.0.1:" + std::to_string(port_) + "/postgres";
  const std::unique_ptr<PGconn, decltype(&PQfinish)> connection(PQconnectdb(uri.c_str()), PQfinish);
  const std::unique_ptr<PGresult, decltype(&PQclear)> result(PQexec(connection.get(), sql.c_str()), PQclear);
  const ExecStatusType status = PQresultStatus(result.get());
  if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return true;
  problem_ = sql + " failed: " + PQerrorMessage(connection.get());
  return false;
}

std::string PostgresInstance::CreateDatabase() {
  const std::string name = "table" + std::to_string(databases_++);
  if (!Execute("CREATE DATABASE " + name)) return "";
  return "postgresql://tolvex@127.0.0.1:" + std::to_string(port_) + "/" + name;
}

}  // namespace tolvex
