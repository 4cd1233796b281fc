#include "core/SlotPool.h"

#include <algorithm>

#include "core/Prefetch.h"

namespace tolvex {

namespace {

// Slots are rounded up so that every one is aligned for any object.
constexpr std::size_t kAlign = alignof(std::max_align_t);

}  // namespace

void* SlotPool::Take(std::size_t size) {
  if (slotSize_ == 0) slotSize_ = (std::max(size, sizeof(void*)) + kAlign - 1) / kAlign * kAlign;
  if (size > slotSize_) throw std::bad_alloc();
  if (free_) {
    void* slot = free_;
    free_ = *static_cast<void**>(slot);
    return slot;
  }
  if (usedInLastBlock_ == kSlotsPerBlock) {
    blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(slotSize_ * kSlotsPerBlock));
    usedInLastBlock_ = 0;
  }
  return blocks_.back().get() + slotSize_ * usedInLastBlock_++;
}

void SlotPool::Prefetch() const {
  for (std::size_t block = 0; block < blocks_.size(); ++block) {
    const std::size_t used = block + 1 < blocks_.size() ? kSlotsPerBlock : usedInLastBlock_;
    PrefetchBytes(blocks_[block].get(), used * slotSize_);
  }
}

void SlotPool::Give(void* slot) {
  *static_cast<void**>(slot) = free_;
  free_ = slot;
}

}  // namespace tolvex
