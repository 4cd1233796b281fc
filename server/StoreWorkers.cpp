#include "server/StoreWorkers.h"

namespace tolvex {

namespace {

// More waiting work than this and the store is not keeping up: new work is turned away at once.
constexpr std::size_t kMaxWaiting = 4096;

ServiceAnswer Unavailable(std::string_view why) { return RefusalAnswer(503, "store_busy", why); }

}  // namespace

StoreWorkers::StoreWorkers(std::vector<std::unique_ptr<ScoreStore>> connections, ServerMetrics& metrics)
    : metrics_(metrics), connections_(std::move(connections)) {
  for (const auto& store : connections_) threads_.emplace_back([this, &store] { Serve(*store); });
}

StoreWorkers::~StoreWorkers() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& thread : threads_) thread.join();
  for (Job& job : queue_) job.done(Unavailable("the server is stopping"));
}

void StoreWorkers::Run(std::string_view operation, Clock::time_point deadline, StoreWork work, AnswerHandler done) {
  {
    const std::lock_guard lock(mutex_);
    if (!stopping_ && queue_.size() < kMaxWaiting) {
      queue_.push_back({operation, deadline, std::move(work), std::move(done)});
      wake_.notify_one();
      return;
    }
  }
  done(Unavailable("the table is busy, try again later"));
}

void StoreWorkers::Serve(ScoreStore& store) {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      job = std::move(queue_.front());
      queue_.pop_front();
    }
    const Clock::time_point start = Clock::now();
    if (start >= job.deadline) {
      job.done(Unavailable("the table did not answer in time"));
      continue;
    }
    store.GiveUpAt(job.deadline);
    ServiceAnswer answer = job.work(store);
    metrics_.ObserveStore(job.operation, std::chrono::duration<double>(Clock::now() - start).count());
    job.done(std::move(answer));
  }
}

}  // namespace tolvex
