// The highscore server's contract with its default store, an SQLite file.
#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "ServerContract.h"

namespace tolvex {
namespace {

// A folder of this test process's own, removed when the process ends.
struct TestFolder {
  TestFolder() { std::filesystem::create_directories(path); }
  ~TestFolder() { std::filesystem::remove_all(path); }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tolvex_sqlite_" + std::to_string(::getpid()));
};

std::string FreshSqliteFile(std::string&) {
  static const TestFolder folder;
  static std::atomic<int> count{0};
  return (folder.path / ("table" + std::to_string(count++) + ".sqlite")).string();
}

INSTANTIATE_TEST_SUITE_P(Sqlite, ServerContract, ::testing::Values(StoreSite{"Sqlite", FreshSqliteFile}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tolvex
