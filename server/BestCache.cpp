#include "server/BestCache.h"

namespace tolvex {

bool BestCache::Read(Clock::time_point now, Reader reader) {
  if (readAt_ && bestGeneration_ == generation_ && now - *readAt_ < freshFor_) {
    reader(&best_);
    return false;
  }
  waiting_.push_back({generation_, std::move(reader)});
  if (refreshing_) return false;
  refreshing_ = true;
  refreshGeneration_ = generation_;
  return true;
}

bool BestCache::Refreshed(Clock::time_point now, std::optional<std::vector<OnlineRecord>> best) {
  refreshing_ = false;
  if (best) {
    best_ = std::move(*best);
    readAt_ = now;
    bestGeneration_ = refreshGeneration_;
  } else {
    readAt_.reset();
  }
  // Readers may answer by reading again, so the ones served are taken off the queue first.
  std::deque<Waiting> served;
  while (!waiting_.empty() && waiting_.front().generation <= refreshGeneration_) {
    served.push_back(std::move(waiting_.front()));
    waiting_.pop_front();
  }
  for (Waiting& waiting : served) waiting.reader(best ? &best_ : nullptr);
  if (waiting_.empty() || refreshing_) return false;
  refreshing_ = true;
  refreshGeneration_ = generation_;
  return true;
}

}  // namespace tolvex
