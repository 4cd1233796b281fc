#include "server/HighscoreService.h"

#include <algorithm>
#include <iterator>

#include "scores/OnlineRequests.h"
#include "server/LeaderboardPage.h"

namespace tolvex {

namespace {

// The value of a parameter given exactly once.
bool SingleParam(const QueryParams& params, const std::string& key, std::string& value) {
  const auto [first, last] = params.equal_range(key);
  if (first == last || std::next(first) != last) return false;
  value = first->second;
  return true;
}

ServiceAnswer StoreFailed(std::string_view text) { return RefusalAnswer(503, "store_failed", text); }

std::vector<OnlineRecord> FirstOf(const std::vector<OnlineRecord>& best, int count) {
  return {best.begin(), best.begin() + std::clamp<std::ptrdiff_t>(count, 0, static_cast<std::ptrdiff_t>(best.size()))};
}

}  // namespace

ServiceAnswer RefusalAnswer(int status, std::string_view reason, std::string_view text) {
  return {status, "[ERROR] " + std::string(text) + "\n", kPlainText, reason};
}

ServiceAnswer HighscoreService::CheckVersion(const QueryParams& params) const {
  std::string version;
  const bool current = SingleParam(params, "version", version) && version == OnlineVersionValue();
  return {200, std::string(current ? kAcceptedMarker : kRefusedMarker) + "\n"};
}

std::variant<OnlineRecord, ServiceAnswer> HighscoreService::ReadSubmission(const QueryParams& params) const {
  std::string points, rank, check;
  OnlineRecord record;
  const std::pair<const char*, std::string*> fields[] = {
      {"name", &record.name}, {"points", &points}, {"time", &record.time}, {"rank", &rank}, {"md5sum", &check}};
  for (const auto& [key, value] : fields) {
    if (!SingleParam(params, key, *value)) return RefusalAnswer(400, "malformed", std::string("missing or repeated ") + key);
  }
  if (!ParseDecimal(points, record.points) || !ParseDecimal(rank, record.rank))
    return RefusalAnswer(400, "malformed", "points and rank must be plain decimal numbers");
  if (!IsValidOnlineRecord(record)) return RefusalAnswer(400, "bad_entry", "name, time or points out of bounds");
  if (check != OnlineCheckValue(record)) return RefusalAnswer(403, "forged", "check value does not match");
  return record;
}

ServiceAnswer HighscoreService::Store(const OnlineRecord& record, ScoreStore& store) {
  const InsertResult inserted = store.Insert(record);
  if (inserted == InsertResult::Failed) return StoreFailed("the table cannot be written");
  // Trimming walks past the best maxEntries, so it runs once per thousandth of them stored.
  if (inserted == InsertResult::Stored && ++storedSinceTrim_ >= std::max(1, maxEntries_ / 1000)) {
    storedSinceTrim_ = 0;
    Trim(store);
  }
  return {200, std::string(kStoredMarker) + "\n"};
}

std::variant<int, ServiceAnswer> HighscoreService::ReadFetchLimit(const QueryParams& params) const {
  std::string limitText;
  int limit = 0;
  if (!SingleParam(params, "limit", limitText) || !ParseDecimal(limitText, limit))
    return RefusalAnswer(400, "malformed", "limit must be one plain decimal number");
  return std::min(limit, kFetchLimitMax);
}

ServiceAnswer HighscoreService::Fetch(int limit, const std::vector<OnlineRecord>& best) const {
  return {200, FormatOnlineRecords(FirstOf(best, limit)) + "\n"};
}

ServiceAnswer HighscoreService::Page(const std::vector<OnlineRecord>& best) const {
  return {200, LeaderboardPage(FirstOf(best, kLeaderboardSize)), kHtml};
}

std::variant<int, ServiceAnswer> HighscoreService::ReadTopLimit(const QueryParams& params) const {
  if (params.find("limit") == params.end()) return kLeaderboardSize;
  return ReadFetchLimit(params);
}

ServiceAnswer HighscoreService::Top(int limit, const std::vector<OnlineRecord>& best) const {
  return {200, LeaderboardJson(FirstOf(best, limit)), kJson};
}

ServiceAnswer HighscoreService::Unreadable() { return StoreFailed("the table cannot be read"); }

ServiceAnswer HighscoreService::Health(ScoreStore& store) const {
  if (!store.Ping()) return StoreFailed("the table does not answer");
  return {200, "ok\n"};
}

}  // namespace tolvex
