#pragma once
// A folder of its own under the system's temporary folder, removed with the object; with
// Enter::Yes it is also the working folder while it lives. Tests write the game's files there.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

namespace tolvex::test {

class TempFolder {
 public:
  enum class Enter { No, Yes };
  explicit TempFolder(Enter enter = Enter::No)
      : path_(std::filesystem::temp_directory_path() /
              ("tolvex_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter_++))) {
    std::filesystem::create_directories(path_);
    if (enter == Enter::Yes) previous_ = std::filesystem::current_path(), std::filesystem::current_path(path_);
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
  static inline std::atomic<int> counter_{0};
  std::filesystem::path path_, previous_;
};

}  // namespace tolvex::test
