#include "scores/OnlineClient.h"

#include "scores/OnlineRequests.h"

namespace tolvex {

// Ten entries of the longest name and time the table takes fit into one fetch answer, with room
// for the status line and headers.
static_assert(10 * (kOnlineNameMax + kOnlineTimeMax + 32) + 1024 <= ExchangeLimits{}.maxAnswerBytes);

bool CheckOnlineVersion(const OnlineExchanger& exchange) {
  VersionVerdict verdict = VersionVerdict::None;
  exchange(VersionCheckQuery(), [&](const std::string& line) {
    verdict = ScanVersionLine(line);
    return verdict == VersionVerdict::None;
  });
  return verdict == VersionVerdict::Accepted;
}

SubmitOutcome SubmitOnlineRecord(const OnlineRecord& record, const OnlineExchanger& exchange) {
  bool stored = false;
  const ExchangeEnd end = exchange(SubmitQuery(record), [&](const std::string& line) {
    stored = HasStoredMarker(line);
    return !stored;
  });
  if (stored) return SubmitOutcome::Stored;
  return end == ExchangeEnd::Failed ? SubmitOutcome::Unreachable : SubmitOutcome::NotStored;
}

bool FetchOnlineRecords(int limit, std::vector<OnlineRecord>& records, const OnlineExchanger& exchange) {
  std::vector<OnlineRecord> fetched;
  const ExchangeEnd end = exchange(FetchQuery(limit), [&](const std::string& line) {
    ParseOnlineRecords(line, fetched);
    return true;
  });
  if (end != ExchangeEnd::Finished) return false;
  records.insert(records.end(), fetched.begin(), fetched.end());
  return true;
}

}  // namespace tolvex
