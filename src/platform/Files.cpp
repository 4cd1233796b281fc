#include "platform/Files.h"

#include <algorithm>

namespace tolvex {

std::filesystem::path NativePath(std::string_view path) {
  std::string native(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  return std::filesystem::path(native);
}

std::string GameFile::ReadLine() {
  std::string line;
  std::getline(stream_, line);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  return line;
}

void GameFile::WriteLine(std::string_view line) {
  stream_ << line << "\r\n";
  stream_.flush();
}

bool GameFile::Eof() { return stream_.peek() == std::char_traits<char>::eof(); }

void GameFile::SeekToStart() {
  stream_.clear();
  stream_.seekg(0);
  stream_.seekp(0);
}

GameFilePtr ReadFile(std::string_view path) {
  std::fstream stream(NativePath(path), std::ios::in | std::ios::binary);
  if (!stream.is_open() || PathKind(path) != 1) return nullptr;
  return std::make_unique<GameFile>(std::move(stream));
}

GameFilePtr WriteFile(std::string_view path) {
  std::fstream stream(NativePath(path), std::ios::out | std::ios::trunc | std::ios::binary);
  if (!stream.is_open()) return nullptr;
  return std::make_unique<GameFile>(std::move(stream));
}

void CloseFile(GameFilePtr& file) { file.reset(); }

std::optional<std::string> ReadFileHead(std::string_view path, std::size_t maxBytes) {
  if (PathKind(path) != 1) return std::nullopt;
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(maxBytes, '\0');
  in.read(text.data(), static_cast<std::streamsize>(maxBytes));
  if (in.bad()) return std::nullopt;
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

int PathKind(std::string_view path) {
  std::error_code error;
  const auto status = std::filesystem::status(NativePath(path), error);
  if (error) return 0;
  if (std::filesystem::is_directory(status)) return 2;
  return std::filesystem::exists(status) ? 1 : 0;
}

bool CreateFolder(std::string_view path) {
  std::error_code error;
  std::filesystem::create_directory(NativePath(path), error);
  return !error && PathKind(path) == 2;
}

std::vector<std::string> ListFolder(std::string_view path) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(NativePath(path), error), end; !error && it != end;
       it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  // The system's own order differs between file systems; sorted, every run sees the same list.
  std::sort(names.begin(), names.end());
  return names;
}

std::string FileExtension(std::string_view name) {
  const auto dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return "";
  return std::string(name.substr(dot + 1));
}

}  // namespace tolvex
