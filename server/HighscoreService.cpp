#include "server/HighscoreService.h"

#include <algorithm>
#include <iterator>

#include "scores/OnlineRequests.h"

namespace tolvex {

namespace {

ServiceAnswer Refuse(int status, const std::string& reason) { return {status, "[ERROR] " + reason + "\n"}; }

// The value of a parameter given exactly once.
bool SingleParam(const QueryParams& params, const std::string& key, std::string& value) {
  const auto [first, last] = params.equal_range(key);
  if (first == last || std::next(first) != last) return false;
  value = first->second;
  return true;
}

}  // namespace

ServiceAnswer HighscoreService::CheckVersion(const QueryParams& params) const {
  std::string version;
  const bool current = SingleParam(params, "version", version) && version == OnlineVersionValue();
  return {200, std::string(current ? kAcceptedMarker : kRefusedMarker) + "\n"};
}

ServiceAnswer HighscoreService::Submit(const QueryParams& params) {
  std::string points, rank, check;
  OnlineRecord record;
  const std::pair<const char*, std::string*> fields[] = {
      {"name", &record.name}, {"points", &points}, {"time", &record.time}, {"rank", &rank}, {"md5sum", &check}};
  for (const auto& [key, value] : fields) {
    if (!SingleParam(params, key, *value)) return Refuse(400, std::string("missing or repeated ") + key);
  }
  if (!ParseDecimal(points, record.points) || !ParseDecimal(rank, record.rank))
    return Refuse(400, "points and rank must be plain decimal numbers");
  if (!IsValidOnlineRecord(record)) return Refuse(400, "name, time or points out of bounds");
  if (check != OnlineCheckValue(record)) return Refuse(403, "check value does not match");
  if (store_.Insert(record) == InsertResult::Failed) return Refuse(503, "the table cannot be written");
  return {200, std::string(kStoredMarker) + "\n"};
}

ServiceAnswer HighscoreService::Fetch(const QueryParams& params) const {
  std::string limitText;
  int limit = 0;
  if (!SingleParam(params, "limit", limitText) || !ParseDecimal(limitText, limit))
    return Refuse(400, "limit must be one plain decimal number");
  std::vector<OnlineRecord> records;
  if (!store_.Best(std::min(limit, kFetchLimitMax), records)) return Refuse(503, "the table cannot be read");
  return {200, FormatOnlineRecords(records) + "\n"};
}

}  // namespace tolvex
