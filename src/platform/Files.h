#pragma once
// Text files and folders, addressed with "\" paths relative to the working folder.
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

// The host path for a game path written with "\".
std::filesystem::path NativePath(std::string_view path);

// An open text file, read or written line by line; closed when destroyed.
class GameFile {
 public:
  explicit GameFile(std::fstream stream) : stream_(std::move(stream)) {}
  // One line without its end-of-line characters ("" at the end).
  std::string ReadLine();
  void WriteLine(std::string_view line);
  bool Eof();
  void SeekToStart();

 private:
  std::fstream stream_;
};
using GameFilePtr = std::unique_ptr<GameFile>;

// Opens a file for reading; null if it cannot be opened.
GameFilePtr ReadFile(std::string_view path);
// Creates or truncates a file for writing; null if it cannot be opened.
GameFilePtr WriteFile(std::string_view path);
void CloseFile(GameFilePtr& file);
// At most the first maxBytes of a file; nothing when it is not a file or cannot be read.
std::optional<std::string> ReadFileHead(std::string_view path, std::size_t maxBytes);

// 0 nothing there, 1 file, 2 folder.
int PathKind(std::string_view path);
bool CreateFolder(std::string_view path);
// The names in a folder without "." and "..", sorted by their bytes; empty for a missing folder.
std::vector<std::string> ListFolder(std::string_view path);
// The text after the last "." of a name, as written; "" without one.
std::string FileExtension(std::string_view name);

}  // namespace tolvex
