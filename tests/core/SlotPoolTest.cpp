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

}  // namespace
}  // namespace tolvex
