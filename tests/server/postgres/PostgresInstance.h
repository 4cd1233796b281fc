#pragma once
// A PostgreSQL server of the tests' own, in a temporary folder, for the length of a test program.
#include <filesystem>
#include <string>

namespace tolvex {

class PostgresInstance {
 public:
  // Creates a cluster with initdb and starts it on a loopback port of the test range, as the
  // "postgres" user when run as root. When that cannot be done, Problem() says why.
  PostgresInstance();
  ~PostgresInstance();
  PostgresInstance(const PostgresInstance&) = delete;
  PostgresInstance& operator=(const PostgresInstance&) = delete;

  // Empty while the server runs.
  const std::string& Problem() const { return problem_; }
  // Creates a new, empty database and returns its URI; "" (and Problem) on failure.
  std::string CreateDatabase();
  // Runs SQL on the maintenance database; false (and Problem) when it fails.
  bool Execute(const std::string& sql);

 private:
  // Runs one of PostgreSQL's programs with the arguments; true when it succeeds.
  bool RunTool(const std::string& tool, const std::string& arguments);
  bool Start();

  std::filesystem::path folder_;
  std::filesystem::path bin_;
  bool asPostgresUser_ = false;
  bool running_ = false;
  int port_ = 0;
  int databases_ = 0;
  std::string problem_;
};

}  // namespace tolvex
