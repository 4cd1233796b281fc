#include "platform/AsyncPresenter.h"

#include <utility>

namespace tolvex {

AsyncPresenter::AsyncPresenter(std::function<void()> present)
    : present_(std::move(present)), thread_([this](const std::stop_token& stop) { Run(stop); }) {}

AsyncPresenter::~AsyncPresenter() {
  WaitUntilShown();
  thread_.request_stop();
}

void AsyncPresenter::WaitUntilShown() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !pending_; });
}

void AsyncPresenter::Show() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !pending_; });
  pending_ = true;
  lock.unlock();
  changed_.notify_all();
}

bool AsyncPresenter::Showing() {
  const std::lock_guard lock(mutex_);
  return pending_;
}

void AsyncPresenter::Run(const std::stop_token& stop) {
  std::unique_lock lock(mutex_);
  while (changed_.wait(lock, stop, [this] { return pending_; })) {
    lock.unlock();
    present_();
    lock.lock();
    pending_ = false;
    changed_.notify_all();
  }
}

}  // namespace tolvex
