// The highscore file: the version line, the best rank and one line per entry, each entry guarded
// by a check value, the whole text enciphered (see HighscoreCipher.h).
#include <charconv>
#include <cstdint>

#include "core/Globals.h"
#include "platform/BinaryFiles.h"
#include "platform/Diagnostics.h"
#include "platform/GameFolders.h"
#include "scores/HighscoreCipher.h"
#include "scores/Md5.h"
#include "scores/TScore.h"

namespace tolvex {

namespace {

// Ten entries take well under a kilobyte; anything past this is not a file the game wrote,
// and reading it all would only cost time and memory.
constexpr std::size_t kReadLimit = 1 << 20;

constexpr std::string_view kEntryKey = "highScoreEntry";
constexpr std::string_view kRankKey = "rankHighscore";

// The integer a text starts with; 0 for a text that is no number or does not fit.
int ToInt(std::string_view text) {
  std::int64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || value < INT32_MIN || value > INT32_MAX) return 0;
  return static_cast<int>(value);
}

}  // namespace

std::string HighscorePlainText() {
  std::string text = "Version: " + std::string(TScore::Version) + "\r\n";
  text += std::string(kRankKey) + "=" + std::to_string(BestRank) + "," + BestRankPilot + "\r\n";
  for (const TScorePtr& entry : TScore::ScoreList()) {
    const int online = entry->online ? 1 : 0;
    text += std::string(kEntryKey) + "=" + entry->name + "," + std::to_string(entry->points) + "," + entry->time + "," +
            std::to_string(entry->rank) + "," + std::to_string(online) + "," +
            EntryCheckValue(entry->name, entry->points, entry->time, entry->rank, online) + "\r\n";
  }
  return text;
}

namespace {

void ReadEntry(const std::vector<std::string>& parts) {
  const int points = ToInt(parts[2]);
  const int rank = ToInt(parts[4]);
  const int online = ToInt(parts[5]) & 0xFF;
  if (EntryCheckValue(parts[1], points, parts[3], rank, online) != parts[6]) return;
  TScore::Add(parts[1], points, parts[3], rank, online != 0);
}

void ReadLine(std::string_view line) {
  const std::vector<std::string> parts = TScore::extractParams(line);
  if (parts.empty()) return;
  if (parts[0] == kEntryKey && parts.size() == 7) {
    ReadEntry(parts);
  } else if (parts[0] == kRankKey && parts.size() == 3) {
    BestRank = ToInt(parts[1]);
    BestRankPilot = parts[2];
  }
}

}  // namespace

std::string EntryCheckValue(std::string_view name, int points, std::string_view time, int rank, int online) {
  std::string text(name);
  text += std::to_string(points);
  text += time;
  text += std::to_string(rank);
  text += std::to_string(online);
  text += TScore::Version;
  return MD5Hex(text);
}

void TScore::Save() {
  const std::vector<std::uint8_t> file = EncipherHighscoreText(HighscorePlainText(), MakeHighscoreKey(FileKey));
  const std::string path = PlayerPath(FileName);
  if (!ReplaceFile(path, file)) WriteDebugLine("Highscores not saved: " + path + " cannot be written");
}

void TScore::Load() {
  if (const auto file = ReadFileBytes(PlayerPath(FileName), kReadLimit)) ReadHighscoreFile(*file);
}

void ReadHighscoreFile(std::span<const std::uint8_t> file) {
  ReadHighscoreText(DecipherHighscoreFile(file, MakeHighscoreKey(TScore::FileKey)));
}

void ReadHighscoreText(std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ReadLine(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
}

}  // namespace tolvex
