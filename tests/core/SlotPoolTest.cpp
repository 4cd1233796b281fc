// The pool the lists' links come from: slots apart and aligned, reused, side by side.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "core/SlotPool.h"
#include "core/TList.h"

namespace tolvex {
namespace {

TEST(SlotPoolTest, SlotsDoNotOverlapAcrossManyBlocks) {
  SlotPool pool;
  constexpr std::size_t kSize = 40;
  std::vector<unsigned char*> slots;
  for (int i = 0; i < 1000; ++i) {
    auto* slot = static_cast<unsigned char*>(pool.Take(kSize));
    std::memset(slot, i & 255, kSize);
    slots.push_back(slot);
  }
  for (std::size_t i = 0; i < slots.size(); ++i) {
    for (std::size_t b = 0; b < kSize; ++b) ASSERT_EQ(slots[i][b], i & 255) << "slot " << i << " byte " << b;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(slots[i]) % alignof(std::max_align_t), 0u);
  }
}

TEST(SlotPoolTest, SlotsTakenInTurnLieSideBySide) {
  SlotPool pool;
  auto* first = static_cast<std::byte*>(pool.Take(48));
  auto* second = static_cast<std::byte*>(pool.Take(48));
  EXPECT_EQ(second - first, 48);
}

TEST(SlotPoolTest, ASlotHandedBackIsTakenNext) {
  SlotPool pool;
  void* a = pool.Take(32);
  void* b = pool.Take(32);
  pool.Give(a);
  EXPECT_EQ(pool.Take(32), a);
  EXPECT_NE(pool.Take(32), b);
}

TEST(SlotPoolTest, ALargerObjectThanTheSlotsIsRefused) {
  SlotPool pool;
  pool.Take(32);
  EXPECT_THROW(pool.Take(33), std::bad_alloc);
}

struct Node {
  std::shared_ptr<TLink<Node>> link;
};

// An object may keep its link after its list is gone: the link's memory must still be there.
TEST(SlotPoolTest, LinksOutliveTheirList) {
  auto node = std::make_shared<Node>();
  {
    TList<Node> list;
    node->link = list.AddLast(node);
    node->link->Remove();
  }
  EXPECT_FALSE(node->link->Linked());
  node->link->Remove();
  EXPECT_EQ(node->link->Value(), nullptr);
}

// Shots and particles come from a pool of their own type: made in turn they lie side by side, a
// dropped one is destroyed and its slot is the next one taken.
struct Spark {
  static inline int destroyed = 0;
  float x = 1.5f;
  std::shared_ptr<int> held = std::make_shared<int>(7);
  ~Spark() { ++destroyed; }
};

TEST(SlotPoolTest, PooledObjectsLieSideBySideAndTheirSlotsComeBack) {
  auto first = MakePooled<Spark>();
  auto second = MakePooled<Spark>();
  EXPECT_EQ(first->x, 1.5f);
  EXPECT_EQ(*second->held, 7);
  const auto* a = reinterpret_cast<const std::byte*>(first.get());
  const auto* b = reinterpret_cast<const std::byte*>(second.get());
  EXPECT_LT(b - a, 2 * static_cast<std::ptrdiff_t>(sizeof(Spark) + 32)) << "neighbours, not strewn over the heap";
  const std::weak_ptr<int> held = first->held;
  first.reset();
  EXPECT_EQ(Spark::destroyed, 1);
  EXPECT_TRUE(held.expired()) << "what a pooled object holds is let go with it";
  EXPECT_EQ(reinterpret_cast<const std::byte*>(MakePooled<Spark>().get()), a);
}

}  // namespace
}  // namespace tolvex
