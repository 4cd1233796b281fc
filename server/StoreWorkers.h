#pragma once
// The pool of store connections: a few threads, each with a connection of its own, that do the
// store's work for requests while the event loop goes on serving everybody else.
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "server/HighscoreService.h"
#include "server/ScoreStore.h"
#include "server/ServerMetrics.h"

namespace tolvex {

// Work for one request: reads or writes the store and makes the answer.
using StoreWork = std::function<ServiceAnswer(ScoreStore& store)>;
// Takes the answer, on a worker thread.
using AnswerHandler = std::function<void(ServiceAnswer answer)>;

class StoreWorkers {
 public:
  using Clock = ScoreStore::Clock;

  // One worker thread per connection; the work latency goes to metrics under its operation.
  StoreWorkers(std::vector<std::unique_ptr<ScoreStore>> connections, ServerMetrics& metrics);
  // Lets the work under way finish, answers what is still waiting with 503 and joins the threads.
  ~StoreWorkers();
  StoreWorkers(const StoreWorkers&) = delete;
  StoreWorkers& operator=(const StoreWorkers&) = delete;

  // Queues work that must be done before deadline; done gets its answer, or a 503 answer when the
  // deadline comes first or too much work is waiting already.
  void Run(std::string_view operation, Clock::time_point deadline, StoreWork work, AnswerHandler done);

 private:
  struct Job {
    std::string_view operation;
    Clock::time_point deadline;
    StoreWork work;
    AnswerHandler done;
  };

  void Serve(ScoreStore& store);

  ServerMetrics& metrics_;
  std::vector<std::unique_ptr<ScoreStore>> connections_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace tolvex
