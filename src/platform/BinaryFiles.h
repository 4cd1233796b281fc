#pragma once
// Whole binary files: read with a size limit, and replaced so that a crash or power loss
// leaves either the old contents or the new ones, never a torn or empty file.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

// The first bytes of a file, at most limit of them; nothing when it is not a readable file.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(std::string_view path, std::size_t limit);

// A text's characters as the bytes a file holds.
inline std::span<const std::uint8_t> TextBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Takes a file's next piece of contents; false when it could not be written.
using PieceWriter = std::function<bool(std::span<const std::uint8_t>)>;
// Hands a file's whole contents, piece by piece, to the writer; false when a piece failed.
// Contents too large to hold in memory at once are written this way.
using FileContents = std::function<bool(const PieceWriter&)>;

// New contents for a file, written and flushed to a temporary file beside it, not yet in place.
// Dropped uncommitted, the temporary file is deleted and the old file stays as it was.
class FileReplacement {
 public:
  FileReplacement(std::string_view path, std::span<const std::uint8_t> bytes);
  FileReplacement(std::string_view path, const FileContents& contents);
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
bool ReplaceFile(std::string_view path, const FileContents& contents);

}  // namespace tolvex
