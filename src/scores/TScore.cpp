#include "scores/TScore.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "scores/RankTitle.h"

namespace tolvex {

namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool SameEntry(const TScore& entry, std::string_view name, int points, std::string_view time, int rank) {
  return entry.points == points && entry.rank == rank && entry.name == name && entry.time == time;
}

std::string EntryLine(const TScore& entry, std::size_t place) {
  std::string line = std::to_string(place) + ". " + entry.name + " - - - " + std::to_string(entry.points) +
                     " - " + RankTitle(entry.rank);
  return entry.newentry ? "New >>> " + line + " <<< New" : line;
}

}  // namespace

std::string CleanScoreName(std::string name) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  const auto first = std::find_if_not(name.begin(), name.end(), blank);
  const auto last = std::find_if_not(name.rbegin(), name.rend(), blank).base();
  name = first < last ? std::string(first, last) : std::string();
  std::erase_if(name, [](char c) { return c == '=' || c == ',' || c == '\r' || c == '\n'; });
  return name;
}

TList<TScore>& TScore::ScoreList() {
  static TList<TScore> list;
  return list;
}

std::string ScoreTimeStampNow() {
  const DateTime now = CurrentDateTime();
  char text[32];
  std::snprintf(text, sizeof text, "%02d %s %04d/%02d:%02d:%02d", now.day, kMonths[(now.month - 1) % 12], now.year,
                now.hour, now.minute, now.second);
  return text;
}

std::optional<DateTime> ParseScoreTimeStamp(std::string_view stamp) {
  char monthName[4] = {};
  DateTime when;
  int length = 0;
  const std::string text(stamp);
  if (std::sscanf(text.c_str(), "%2d %3[A-Za-z] %4d/%2d:%2d:%2d%n", &when.day, monthName, &when.year, &when.hour,
                  &when.minute, &when.second, &length) != 6 || length != static_cast<int>(text.size()))
    return std::nullopt;
  const auto month = std::find_if(kMonths.begin(), kMonths.end(),
                                  [&](const char* name) { return std::string_view(name) == monthName; });
  if (month == kMonths.end()) return std::nullopt;
  when.month = static_cast<int>(month - kMonths.begin()) + 1;
  return when;
}

void TScore::Init() {
  ScoreList().Clear();
  Load();
}

void TScore::Add(std::string name, int points, std::string time, int rank, bool online) {
  if (points == 0) return;
  bool stampedNow = false;
  if (time.empty() && !online) {
    time = ScoreTimeStampNow();
    stampedNow = true;
  } else if (time.empty()) {
    WriteDebugLine("Didn't got time...");
  }
  for (const TScorePtr& entry : ScoreList())
    if (SameEntry(*entry, name, points, time, rank)) return;
  auto entry = std::make_shared<TScore>();
  entry->name = CleanScoreName(std::move(name));
  entry->points = points;
  entry->time = std::move(time);
  entry->rank = rank;
  entry->online = online;
  entry->newentry = stampedNow;
  entry->_link = ScoreList().AddLast(entry);
  if (entry->rank > BestRank) {
    BestRank = entry->rank;
    BestRankPilot = entry->name;
  }
}

bool TScore::Sort() {
  std::vector<TScorePtr> entries;
  for (const TScorePtr& entry : ScoreList()) entries.push_back(entry);
  std::stable_sort(entries.begin(), entries.end(),
                   [](const TScorePtr& a, const TScorePtr& b) { return a->compare(*b) < 0; });
  ScoreList().Clear();
  for (std::size_t i = 0; i < entries.size() && i < ListLimit; ++i) entries[i]->_link = ScoreList().AddLast(entries[i]);
  return true;
}

int TScore::GetLowest() {
  if (ScoreList().Count() < ListLimit) return 0;
  std::size_t place = 0;
  for (const TScorePtr& entry : ScoreList())
    if (++place == ListLimit) return entry->points;
  return 0;
}

std::vector<std::string> TScore::PanelLines() {
  std::vector<std::string> lines{"___ Highscore " + std::string(Version) + " ___", "Name   - Date - Points - Rank"};
  std::size_t place = 0;
  for (const TScorePtr& entry : ScoreList()) {
    lines.emplace_back();
    lines.push_back(EntryLine(*entry, ++place));
  }
  return lines;
}

std::vector<std::string> TScore::extractParams(std::string_view line) {
  std::vector<std::string> parts;
  if (line.empty()) return parts;
  const std::size_t equals = line.find('=');
  parts.emplace_back(line.substr(0, equals));
  std::string_view rest = equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    parts.emplace_back(rest.substr(0, comma));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  return parts;
}

int TScore::compare(const TScore& other) const {
  if (&other == this) return 0;
  if (other.points > points) return 1;
  if (other.points < points) return -1;
  return 0;
}

void TScore::Remove() {
  if (_link) _link->Remove();
}

}  // namespace tolvex
