#pragma once
// What the table answers: the game's three requests, the public page and the operators' checks,
// from decoded query parameters and a store to the answer.
#include <atomic>
#include <string>
#include <string_view>
#include <variant>

#include "server/QueryParams.h"
#include "server/ScoreStore.h"

namespace tolvex {

inline constexpr std::string_view kPlainText = "text/plain";
inline constexpr std::string_view kHtml = "text/html; charset=utf-8";
inline constexpr std::string_view kJson = "application/json";

// An answer: HTTP status, the text and its type; a refused request names the reason it is
// counted under.
struct ServiceAnswer {
  ServiceAnswer() = default;
  ServiceAnswer(int status, std::string body, std::string_view contentType = kPlainText, std::string_view refusal = {})
      : status(status), body(std::move(body)), contentType(contentType), refusal(refusal) {}

  int status = 200;
  std::string body;
  std::string_view contentType = kPlainText;
  std::string_view refusal;
};

// A refusal with the "[ERROR] …" line the game shows in its log.
ServiceAnswer RefusalAnswer(int status, std::string_view reason, std::string_view text);

// Most entries one fetch serves.
inline constexpr int kFetchLimitMax = 100;
inline constexpr int kDefaultMaxEntries = 1000000;

class HighscoreService {
 public:
  // The table keeps its best maxEntries entries.
  explicit HighscoreService(int maxEntries = kDefaultMaxEntries) : maxEntries_(maxEntries) {}

  // "[true]" for the game's current version, "[false]" for anything else.
  ServiceAnswer CheckVersion(const QueryParams& params) const;

  // The entry a submission carries; or its refusal, "[ERROR] …", for a missing or repeated
  // parameter, a text the answer cannot carry, a number that is not plain decimal or a check value
  // that does not match.
  std::variant<OnlineRecord, ServiceAnswer> ReadSubmission(const QueryParams& params) const;
  // Stores the entry and answers "[OK]" — also for an entry the table holds already; now and then
  // trims the table to its best entries.
  ServiceAnswer Store(const OnlineRecord& record, ScoreStore& store);

  // The number of entries a fetch asks for, cut to 0..100; or its refusal.
  std::variant<int, ServiceAnswer> ReadFetchLimit(const QueryParams& params) const;
  // The first limit of the best entries as one "[start][name|points|time|rank]…[end]" line.
  ServiceAnswer Fetch(int limit, const std::vector<OnlineRecord>& best) const;

  // The public page of the best entries.
  ServiceAnswer Page(const std::vector<OnlineRecord>& best) const;
  // The number of entries /top.json asks for: 100 without a limit, at most 100; or its refusal.
  std::variant<int, ServiceAnswer> ReadTopLimit(const QueryParams& params) const;
  // The first limit of the best entries as JSON.
  ServiceAnswer Top(int limit, const std::vector<OnlineRecord>& best) const;

  // The best 100 entries, every list above is cut from; false when the store failed.
  bool ReadBest(ScoreStore& store, std::vector<OnlineRecord>& best) const { return store.Best(kFetchLimitMax, best); }
  // The answer to a list request when the store could not give the entries.
  static ServiceAnswer Unreadable();

  // 200 "ok" while the store answers, 503 otherwise.
  ServiceAnswer Health(ScoreStore& store) const;

  // Trims the table to its best entries; false when the store failed.
  bool Trim(ScoreStore& store) const { return store.KeepBest(maxEntries_); }

 private:
  int maxEntries_;
  // Entries stored since the table was last trimmed.
  std::atomic<int> storedSinceTrim_{0};
};

}  // namespace tolvex
