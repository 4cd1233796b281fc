#include "scores/OnlineClient.h"

#include "scores/OnlineExchange.h"
#include "scores/OnlineRequests.h"

namespace tolvex {

bool CheckOnlineVersion() {
  VersionVerdict verdict = VersionVerdict::None;
  RunOnlineExchange(VersionCheckQuery(), [&](const std::string& line) {
    verdict = ScanVersionLine(line);
    return verdict == VersionVerdict::None;
  });
  return verdict == VersionVerdict::Accepted;
}

SubmitOutcome SubmitOnlineRecord(const OnlineRecord& record) {
  bool stored = false;
  const ExchangeEnd end = RunOnlineExchange(SubmitQuery(record), [&](const std::string& line) {
    stored = HasStoredMarker(line);
    return !stored;
  });
  if (stored) return SubmitOutcome::Stored;
  return end == ExchangeEnd::Failed ? SubmitOutcome::Unreachable : SubmitOutcome::NotStored;
}

bool FetchOnlineRecords(int limit, std::vector<OnlineRecord>& records) {
  std::vector<OnlineRecord> fetched;
  const ExchangeEnd end = RunOnlineExchange(FetchQuery(limit), [&](const std::string& line) {
    ParseOnlineRecords(line, fetched);
    return true;
  });
  if (end != ExchangeEnd::Finished) return false;
  records.insert(records.end(), fetched.begin(), fetched.end());
  return true;
}

}  // namespace tolvex
