#pragma once
// A folder of its own under the system's temporary folder, removed with the object: tests write
// the game's files there. It can also be the working folder while it lives.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>

namespace tolvex::test {

class TempFolder {
 public:
  enum class Enter { No, Yes };
  explicit TempFolder(Enter enter = Enter::No) {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tolvex_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
    if (enter == Enter::No) return;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // A path inside the folder, as text.
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_, previous_;
};

}  // namespace tolvex::test
