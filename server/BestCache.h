#pragma once
// The best entries as the store last gave them: the fetches, the page and the JSON list are all cut
// from them, so a crowd of readers costs the store one read a second at most, and none of them
// waits on a worker while the list is fresh. Lives on the event loop's thread only.
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "scores/OnlineRecord.h"

namespace tolvex {

class BestCache {
 public:
  using Clock = std::chrono::steady_clock;
  // Takes the best entries, or null when the store could not give them.
  using Reader = std::function<void(const std::vector<OnlineRecord>* best)>;

  // A list read from the store serves for freshFor; an entry stored by this server ends that early.
  explicit BestCache(Clock::duration freshFor) : freshFor_(freshFor) {}

  // Hands the best entries to reader at once while they are fresh and nothing was stored since
  // they were read; otherwise the reader waits for the next refresh. True when the caller must start
  // that refresh (none is under way) and then hand its result to Refreshed.
  bool Read(Clock::time_point now, Reader reader);
  // A refresh's result, read from the store when Read asked for it: every reader waiting since
  // before that refresh began gets it; true when readers who came later need another refresh.
  bool Refreshed(Clock::time_point now, std::optional<std::vector<OnlineRecord>> best);
  // An entry was stored: readers from now on wait for a list read after it.
  void Stored() { ++generation_; }

 private:
  struct Waiting {
    std::uint64_t generation;
    Reader reader;
  };

  Clock::duration freshFor_;
  std::vector<OnlineRecord> best_;
  std::optional<Clock::time_point> readAt_;
  // Counts the entries stored; a list is current for the generation it was read in.
  std::uint64_t generation_ = 0, bestGeneration_ = 0, refreshGeneration_ = 0;
  bool refreshing_ = false;
  std::deque<Waiting> waiting_;
};

}  // namespace tolvex
