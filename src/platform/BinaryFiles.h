#pragma once
// Whole binary files: read with a size limit, and replaced so that a crash or power loss
// leaves either the old contents or the new ones, never a torn or empty file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

// The first bytes of a file, at most limit of them; nothing when it is not a readable file.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(std::string_view path, std::size_t limit);

// New contents for a file, written and flushed to a temporary file beside it, not yet in place.
// Dropped uncommitted, the temporary file is deleted and the old file stays as it was.
class FileReplacement {
 public:
  FileReplacement(std::string_view path, std::span<const std::uint8_t> bytes);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // True when the temporary file holds all the bytes on disk.
  bool Ready() const { return ready_; }
  // Renames the temporary file over the target in one step; false when that fails.
  bool Commit();

 private:
  std::string target_, temporary_;
  bool ready_ = false;
  bool committed_ = false;
};

// Replaces a file's contents in one step; false (old file untouched) when it cannot be written.
bool ReplaceFile(std::string_view path, std::span<const std::uint8_t> bytes);

}  // namespace tolvex
