#pragma once
// One entry of the online highscore table and the texts that carry it between game and server.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

// The game's identity towards the server, part of every check value.
inline constexpr std::string_view kOnlineVersionText = "Tolvex 1.07";

// Longest name and time text the table keeps, in bytes. The settings window's name field takes
// names of any length; these are as long as ten entries may be and still fit into the answer the
// game reads (see ExchangeLimits), so every pilot the game can list is taken.
inline constexpr std::size_t kOnlineNameMax = 4096;
inline constexpr std::size_t kOnlineTimeMax = 1024;

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

// True for a name or time text the fetch answer carries back unchanged: at most maxBytes bytes,
// no control bytes (line breaks among them), no "|" and no "[end]", which would end the record or
// the answer early. Everything else — quotes, brackets, blanks, bytes from 0x80 up — is kept as sent.
bool IsOnlineText(std::string_view text, std::size_t maxBytes);

// True for a record the server takes: texts the answer carries, points above 0, rank not negative.
bool IsValidOnlineRecord(const OnlineRecord& record);

// Reads a plain decimal number "0".."2147483647" (digits only, no sign); false for anything else.
bool ParseDecimal(std::string_view text, int& value);

// The fetch answer's line: "[start]" + "[name|points|time|rank]" for each record + "[end]".
std::string FormatOnlineRecords(const std::vector<OnlineRecord>& records);

// Appends the records of one answer line to records. Only a line holding "[start]" and, after it,
// "[end]" carries any; reading stops at the first record that is cut short. Every record is read
// whatever its name and time hold (brackets, an empty time); only those whose points and rank are
// not plain decimal numbers, or whose points are 0, are skipped.
void ParseOnlineRecords(std::string_view line, std::vector<OnlineRecord>& records);

}  // namespace tolvex
