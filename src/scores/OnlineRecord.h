#pragma once
// One entry of the online highscore table and the texts that carry it between game and server.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

// The game's identity towards the server, part of every check value.
inline constexpr std::string_view kOnlineVersionText = "Tolvex 1.07";

// Longest name and time text the table keeps, in bytes.
inline constexpr std::size_t kOnlineNameMax = 64;
inline constexpr std::size_t kOnlineTimeMax = 40;

// An entry as the server stores it and serves it back.
struct OnlineRecord {
  std::string name;
  int points = 0;
  std::string time;
  int rank = 0;

  bool operator==(const OnlineRecord&) const = default;
};

// The submission's check value: MD5 over name, points, time, rank and the version text, unescaped.
std::string OnlineCheckValue(const OnlineRecord& record);

// True for a name or time text the table can carry unchanged: 1..maxBytes bytes, no control
// characters, none of the record delimiters "|[]", none of "=," that the local highscore file cannot
// keep, no blanks at either end (the list trims them, so they would come back as a different entry).
bool IsOnlineText(std::string_view text, std::size_t maxBytes);

// True for a record both sides accept: storable texts, points above 0, rank not negative.
bool IsValidOnlineRecord(const OnlineRecord& record);

// Reads a plain decimal number "0".."2147483647" (digits only, no sign); false for anything else.
bool ParseDecimal(std::string_view text, int& value);

// The fetch answer's line: "[start]" + "[name|points|time|rank]" for each record + "[end]".
std::string FormatOnlineRecords(const std::vector<OnlineRecord>& records);

// Appends the records of one answer line to records. Only a line holding "[start]" and, after it,
// "[end]" carries any; reading stops at the first malformed record, and records that are not
// valid (see IsValidOnlineRecord) are skipped.
void ParseOnlineRecords(std::string_view line, std::vector<OnlineRecord>& records);

}  // namespace tolvex
