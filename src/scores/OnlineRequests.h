#pragma once
// The requests the game sends to the highscore server and the markers it looks for in the answers.
#include <string>
#include <string_view>

#include "scores/OnlineRecord.h"

namespace tolvex {

// Every resource lives under "/" + this prefix.
inline constexpr std::string_view kOnlinePathPrefix = "games/tolvexExt107highscore/";

inline constexpr std::string_view kVersionResource = "checkversion.php";
inline constexpr std::string_view kSubmitResource = "submit.php";
inline constexpr std::string_view kFetchResource = "get.php";

// Answer markers.
inline constexpr std::string_view kAcceptedMarker = "[true]";
inline constexpr std::string_view kRefusedMarker = "[false]";
inline constexpr std::string_view kStoredMarker = "[OK]";

// The version the game reports: MD5 of its version text.
std::string OnlineVersionValue();

// Resource and query of each exchange (the part after the path prefix).
std::string VersionCheckQuery();
// Name and time are percent-encoded; the check value is taken over them unescaped.
std::string SubmitQuery(const OnlineRecord& record);
std::string FetchQuery(int limit);

// The whole HTTP/1.0 GET request for a resource and query; every line ends with CR LF.
// hostHeader is the server's host, with ":port" when the port is not 80.
std::string HttpGetRequest(std::string_view hostHeader, std::string_view resourceAndQuery);

// What one line of a version answer says.
enum class VersionVerdict { None, Accepted, Refused };
// "[true]" is looked for first, so a line holding both accepts.
VersionVerdict ScanVersionLine(std::string_view line);
bool HasStoredMarker(std::string_view line);

}  // namespace tolvex
