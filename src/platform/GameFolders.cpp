#include "platform/GameFolders.h"

#include <SDL.h>
#include <pwd.h>
#include <unistd.h>

#include <array>
#include <memory>

#include "platform/Diagnostics.h"

namespace tolvex {

namespace {

GameFolders& Folders() {
  static GameFolders folders;
  return folders;
}

// A folder as the text put before a game path.
std::string Prefix(const std::filesystem::path& folder) {
  std::string text = folder.lexically_normal().string();
  if (!text.ends_with('/')) text += '/';
  return text;
}

// The home folder: $HOME, else the one the user database gives; empty when neither says.
std::filesystem::path HomeFolder(const EnvironmentLookup& environment) {
  if (const char* home = environment("HOME"); home && *home) return home;
  std::array<char, 4096> buffer{};
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
    return found->pw_dir;
  return {};
}

// $XDG_DATA_HOME when it names an absolute folder (a relative one is to be ignored), else
// ~/.local/share.
std::filesystem::path DataHome(const EnvironmentLookup& environment) {
  if (const char* data = environment("XDG_DATA_HOME"); data && *data == '/') return data;
  const std::filesystem::path home = HomeFolder(environment);
  return home.empty() ? home : home / ".local" / "share";
}

}  // namespace

GameFolders FindGameFolders(const std::filesystem::path& programFolder, const EnvironmentLookup& environment) {
  const std::filesystem::path shared = programFolder / ".." / "share" / "tolvex";
  std::error_code error;
  if (programFolder.empty() || !std::filesystem::is_directory(shared, error)) return {};
  const std::filesystem::path dataHome = DataHome(environment);
  return {Prefix(shared), dataHome.empty() ? "" : Prefix(dataHome / "tolvex")};
}

std::filesystem::path RunningProgramFolder() {
  const std::unique_ptr<char, decltype(&SDL_free)> base(SDL_GetBasePath(), SDL_free);
  return base ? std::filesystem::path(base.get()) : std::filesystem::path();
}

void UseGameFolders(GameFolders folders) { Folders() = std::move(folders); }

const GameFolders& CurrentGameFolders() { return Folders(); }

bool PreparePlayerFolder() {
  if (Folders().player.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(Folders().player, error);
  if (!error && std::filesystem::is_directory(Folders().player, error)) return true;
  WriteDebugLine("The player's folder " + Folders().player + " cannot be made: nothing will be saved");
  return false;
}

namespace {
std::string InFolder(const std::string& folder, std::string_view gamePath) {
  return gamePath.starts_with('/') ? std::string(gamePath) : folder + std::string(gamePath);
}
}  // namespace

std::string ShippedPath(std::string_view gamePath) { return InFolder(Folders().shipped, gamePath); }

std::string PlayerPath(std::string_view gamePath) { return InFolder(Folders().player, gamePath); }

}  // namespace tolvex
