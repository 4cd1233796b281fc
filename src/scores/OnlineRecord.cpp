#include "scores/OnlineRecord.h"

#include <algorithm>
#include <climits>

#include "scores/Md5.h"

namespace tolvex {

namespace {

constexpr std::string_view kStartMarker = "[start]";
constexpr std::string_view kEndMarker = "[end]";

// Cuts text at the first delimiter: the part before goes to piece, text continues after it.
bool TakeUntil(std::string_view& text, char delimiter, std::string_view& piece) {
  const std::size_t at = text.find(delimiter);
  if (at == std::string_view::npos) return false;
  piece = text.substr(0, at);
  text.remove_prefix(at + 1);
  return true;
}

// One "[name|points|time|rank]" from the front of text; false when it is cut short.
bool TakeRecord(std::string_view& text, OnlineRecord& record, bool& numbersValid) {
  text.remove_prefix(1);  // the opening bracket
  std::string_view name, points, time, rank;
  if (!TakeUntil(text, '|', name) || !TakeUntil(text, '|', points) || !TakeUntil(text, '|', time) ||
      !TakeUntil(text, ']', rank))
    return false;
  record.name = name;
  record.time = time;
  numbersValid = ParseDecimal(points, record.points) && ParseDecimal(rank, record.rank);
  return true;
}

}  // namespace

std::string OnlineCheckValue(const OnlineRecord& record) {
  return MD5Hex(record.name + std::to_string(record.points) + record.time + std::to_string(record.rank) +
                std::string(kOnlineVersionText));
}

bool IsOnlineText(std::string_view text, std::size_t maxBytes) {
  if (text.size() > maxBytes || text.find('|') != std::string_view::npos ||
      text.find(kEndMarker) != std::string_view::npos)
    return false;
  return std::none_of(text.begin(), text.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 32 || c == 127;
  });
}

bool IsValidOnlineRecord(const OnlineRecord& record) {
  return IsOnlineText(record.name, kOnlineNameMax) && IsOnlineText(record.time, kOnlineTimeMax) &&
         record.points > 0 && record.rank >= 0;
}

bool ParseDecimal(std::string_view text, int& value) {
  if (text.empty() || text.size() > 10) return false;
  long long number = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return false;
    number = number * 10 + (ch - '0');
  }
  if (number > INT_MAX) return false;
  value = static_cast<int>(number);
  return true;
}

std::string FormatOnlineRecords(const std::vector<OnlineRecord>& records) {
  std::string line(kStartMarker);
  for (const OnlineRecord& record : records) {
    line += '[' + record.name + '|' + std::to_string(record.points) + '|' + record.time + '|' +
            std::to_string(record.rank) + ']';
  }
  line += kEndMarker;
  return line;
}

void ParseOnlineRecords(std::string_view line, std::vector<OnlineRecord>& records) {
  const std::size_t start = line.find(kStartMarker);
  if (start == std::string_view::npos) return;
  std::string_view text = line.substr(start + kStartMarker.size());
  const std::size_t end = text.find(kEndMarker);
  if (end == std::string_view::npos) return;
  text = text.substr(0, end);
  while (!text.empty()) {
    OnlineRecord record;
    bool numbersValid = false;
    if (!TakeRecord(text, record, numbersValid)) return;
    if (numbersValid && record.points > 0) records.push_back(std::move(record));
  }
}

}  // namespace tolvex
