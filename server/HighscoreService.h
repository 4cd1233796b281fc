#pragma once
// The table's three requests, from decoded query parameters to the answer the game reads.
#include <string>

#include "server/QueryParams.h"
#include "server/ScoreStore.h"

namespace tolvex {

// An answer: HTTP status and the text the game scans for its markers.
struct ServiceAnswer {
  int status = 200;
  std::string body;
};

// Most entries one fetch serves.
inline constexpr int kFetchLimitMax = 100;

class HighscoreService {
 public:
  explicit HighscoreService(ScoreStore& store) : store_(store) {}

  // "[true]" for the game's current version, "[false]" for anything else.
  ServiceAnswer CheckVersion(const QueryParams& params) const;
  // Stores one entry and answers "[OK]" — also for an entry the table already holds. A missing or
  // repeated parameter, a text the table cannot carry, a number that is not plain decimal or a check
  // value that does not match is refused with "[ERROR] …" and stores nothing.
  ServiceAnswer Submit(const QueryParams& params);
  // The best entries as one "[start][name|points|time|rank]…[end]" line; limit is cut to 0..100.
  ServiceAnswer Fetch(const QueryParams& params) const;

 private:
  ScoreStore& store_;
};

}  // namespace tolvex
