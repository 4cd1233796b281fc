#include "platform/BinaryFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "platform/Files.h"

namespace tolvex {

namespace {

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes a finished rename survive a power loss as well.
void SyncFolderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(std::string_view path, std::size_t limit) {
  if (PathKind(path) != 1) return std::nullopt;
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  constexpr std::size_t kChunk = 64 * 1024;
  while (in && bytes.size() < limit) {
    const std::size_t start = bytes.size();
    bytes.resize(start + std::min(kChunk, limit - start));
    in.read(reinterpret_cast<char*>(bytes.data() + start), static_cast<std::streamsize>(bytes.size() - start));
    bytes.resize(start + static_cast<std::size_t>(in.gcount()));
  }
  return bytes;
}

FileReplacement::FileReplacement(std::string_view path, std::span<const std::uint8_t> bytes)
    : FileReplacement(path, [bytes](const PieceWriter& write) { return write(bytes); }) {}

FileReplacement::FileReplacement(std::string_view path, const FileContents& contents)
    : target_(NativePath(path).string()), temporary_(target_ + ".tmp") {
  const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return;
  ready_ = contents([fd](std::span<const std::uint8_t> piece) { return WriteAll(fd, piece); }) && ::fsync(fd) == 0;
  ready_ = ::close(fd) == 0 && ready_;
}

FileReplacement::~FileReplacement() {
  if (!committed_) std::remove(temporary_.c_str());
}

bool FileReplacement::Commit() {
  if (!ready_ || committed_) return false;
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) return false;
  committed_ = true;
  SyncFolderOf(target_);
  return true;
}

bool ReplaceFile(std::string_view path, std::span<const std::uint8_t> bytes) {
  FileReplacement replacement(path, bytes);
  return replacement.Ready() && replacement.Commit();
}

bool ReplaceFile(std::string_view path, const FileContents& contents) {
  FileReplacement replacement(path, contents);
  return replacement.Ready() && replacement.Commit();
}

}  // namespace tolvex
