#include "platform/EmbeddedFiles.h"

#include <algorithm>

namespace tolvex {

namespace {
constexpr std::string_view kIncbinPrefix = "incbin::";

// The game writes "incbin::..\gfx\Name.png"; only the file name selects the file.
std::string_view BareName(std::string_view url) {
  if (IsEmbeddedUrl(url)) url.remove_prefix(kIncbinPrefix.size());
  const auto slash = url.find_last_of("\\/");
  return slash == std::string_view::npos ? url : url.substr(slash + 1);
}
}  // namespace

bool IsEmbeddedUrl(std::string_view url) { return url.starts_with(kIncbinPrefix); }

std::optional<std::span<const unsigned char>> FindEmbeddedFile(std::string_view url) {
  const std::string_view name = BareName(url);
  const auto files = EmbeddedFiles();
  const auto it = std::lower_bound(files.begin(), files.end(), name,
                                   [](const EmbeddedFile& file, std::string_view n) { return file.name < n; });
  if (it == files.end() || it->name != name) return std::nullopt;
  return it->bytes;
}

}  // namespace tolvex
