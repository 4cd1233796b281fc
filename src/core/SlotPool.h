#pragma once
// Small objects of one size that are made and dropped all the time (the links of the game's
// lists), kept in blocks of neighbouring slots: a walk over a list then hops between slots
// that sit close together and stay in the cache, instead of across the whole heap.
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace tolvex {

class SlotPool {
 public:
  // A slot of `size` bytes; every call must ask for the same size.
  void* Take(std::size_t size);
  // Hands a slot back for the next Take.
  void Give(void* slot);
  // Asks the caches for every slot handed out so far. A list's order wanders across its slots
  // as entries come and go, so a walk that follows it would wait on each slot in turn; after
  // this it finds them waiting.
  void Prefetch() const;

 private:
  static constexpr std::size_t kSlotsPerBlock = 128;
  std::size_t slotSize_ = 0;
  std::vector<std::unique_ptr<std::byte[]>> blocks_;
  std::size_t usedInLastBlock_ = kSlotsPerBlock;
  // Slots handed back, chained through their first bytes.
  void* free_ = nullptr;
};

// Hands out single objects from a shared pool. Every copy keeps the pool alive, so an object
// made through std::allocate_shared can outlive whoever made it.
template <class T>
class PoolAllocator {
 public:
  using value_type = T;

  explicit PoolAllocator(std::shared_ptr<SlotPool> pool) : pool_(std::move(pool)) {}
  template <class U>
  PoolAllocator(const PoolAllocator<U>& other) : pool_(other.pool_) {}

  T* allocate(std::size_t n) {
    if (n != 1) throw std::bad_alloc();
    return static_cast<T*>(pool_->Take(sizeof(T)));
  }
  void deallocate(T* object, std::size_t) { pool_->Give(object); }

  template <class U>
  bool operator==(const PoolAllocator<U>& other) const { return pool_ == other.pool_; }

 private:
  template <class U>
  friend class PoolAllocator;
  std::shared_ptr<SlotPool> pool_;
};

// Makes a T in the one pool of all Ts made this way. For objects made and dropped by the
// thousand every second (shots, particles): they sit side by side in a few blocks, where walks
// over them find them close together, rather than strewn across the heap among each other.
template <class T>
std::shared_ptr<T> MakePooled() {
  static const auto slots = std::make_shared<SlotPool>();
  return std::allocate_shared<T>(PoolAllocator<T>(slots));
}

}  // namespace tolvex
