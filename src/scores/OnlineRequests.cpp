#include "scores/OnlineRequests.h"

#include "scores/Md5.h"
#include "scores/PercentEncoding.h"

namespace tolvex {

std::string OnlineVersionValue() { return MD5Hex(kOnlineVersionText); }

std::string VersionCheckQuery() { return std::string(kVersionResource) + "?version=" + OnlineVersionValue(); }

std::string SubmitQuery(const OnlineRecord& record) {
  return std::string(kSubmitResource) + "?name=" + PercentEncode(record.name) +
         "&points=" + std::to_string(record.points) + "&time=" + PercentEncode(record.time) +
         "&rank=" + std::to_string(record.rank) + "&md5sum=" + OnlineCheckValue(record);
}

std::string FetchQuery(int limit) { return std::string(kFetchResource) + "?limit=" + std::to_string(limit); }

std::string HttpGetRequest(std::string_view hostHeader, std::string_view resourceAndQuery) {
  std::string request = "GET /";
  request += kOnlinePathPrefix;
  request += resourceAndQuery;
  request += "&funpicbuffer=0 HTTP/1.0\r\n";
  request += "Host: ";
  request += hostHeader;
  request += "\r\nUser-Agent: ";
  request += kOnlineVersionText;
  request += "\r\nAccept: */*\r\n\r\n";
  return request;
}

VersionVerdict ScanVersionLine(std::string_view line) {
  if (line.find(kAcceptedMarker) != std::string_view::npos) return VersionVerdict::Accepted;
  if (line.find(kRefusedMarker) != std::string_view::npos) return VersionVerdict::Refused;
  return VersionVerdict::None;
}

bool HasStoredMarker(std::string_view line) { return line.find(kStoredMarker) != std::string_view::npos; }

}  // namespace tolvex
