// The one list type under every walking rule the game relies on.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/TList.h"

namespace tolvex {
namespace {

// A list entry that runs an action when a walk visits it.
struct Entry {
  std::string name;
  std::function<void()> onVisit;
  std::shared_ptr<TLink<Entry>> link;
};
using EntryPtr = std::shared_ptr<Entry>;

class TListTest : public ::testing::Test {
 protected:
  EntryPtr Append(const std::string& name) {
    auto entry = std::make_shared<Entry>(Entry{name, nullptr, nullptr});
    entry->link = list.AddLast(entry);
    return entry;
  }
  EntryPtr Prepend(const std::string& name) {
    auto entry = std::make_shared<Entry>(Entry{name, nullptr, nullptr});
    entry->link = list.AddFirst(entry);
    return entry;
  }
  // Walks once, visiting each entry, and returns the names in visiting order.
  std::vector<std::string> Walk() {
    std::vector<std::string> seen;
    for (const EntryPtr& entry : list) {
      seen.push_back(entry->name);
      if (entry->onVisit) entry->onVisit();
    }
    return seen;
  }
  TList<Entry> list;
};

using Names = std::vector<std::string>;

TEST_F(TListTest, FrontAndBackInsertionOrder) {
  Append("shot1");
  Prepend("ship1");
  Append("shot2");
  Prepend("ship2");
  EXPECT_EQ(Walk(), (Names{"ship2", "ship1", "shot1", "shot2"}));
  EXPECT_EQ(list.Count(), 4u);
}

TEST_F(TListTest, EntryRemovedAheadOfTheWalkIsSkipped) {
  auto a = Append("a");
  auto b = Append("b");
  Append("c");
  a->onVisit = [&] { b->link->Remove(); };
  EXPECT_EQ(Walk(), (Names{"a", "c"}));
  EXPECT_EQ(Walk(), (Names{"a", "c"}));
}

TEST_F(TListTest, SelfRemovalDoesNotDisturbTheWalk) {
  Append("a");
  auto b = Append("b");
  Append("c");
  b->onVisit = [&] { b->link->Remove(); };
  EXPECT_EQ(Walk(), (Names{"a", "b", "c"}));
  EXPECT_EQ(Walk(), (Names{"a", "c"}));
}

TEST_F(TListTest, SelfRemovalThenRemovalOfTheNextStillSkipsIt) {
  Append("a");
  auto b = Append("b");
  auto c = Append("c");
  Append("d");
  b->onVisit = [&] {
    b->link->Remove();
    c->link->Remove();
  };
  EXPECT_EQ(Walk(), (Names{"a", "b", "d"}));
}

TEST_F(TListTest, SelfRemovedObjectStaysAliveUntilTheVisitEnds) {
  auto a = Append("a");
  std::weak_ptr<Entry> watch = a;
  bool aliveAfterRemoval = false;
  a->onVisit = [&] {
    watch.lock()->link->Remove();
    aliveAfterRemoval = !watch.expired();
  };
  a.reset();  // only the list holds it now
  Walk();
  EXPECT_TRUE(aliveAfterRemoval);
  EXPECT_TRUE(watch.expired());
}

TEST_F(TListTest, AppendDuringWalkIsReachedInTheSameWalk) {
  auto a = Append("a");
  Append("b");
  a->onVisit = [&] { Append("new"); };
  EXPECT_EQ(Walk(), (Names{"a", "b", "new"}));
}

TEST_F(TListTest, FrontInsertionDuringWalkWaitsForTheNextWalk) {
  auto a = Append("a");
  a->onVisit = [&] {
    Prepend("front");
    a->onVisit = nullptr;
  };
  EXPECT_EQ(Walk(), (Names{"a"}));
  EXPECT_EQ(Walk(), (Names{"front", "a"}));
}

TEST_F(TListTest, UnlinkTwiceChangesNothing) {
  auto a = Append("a");
  Append("b");
  a->link->Remove();
  a->link->Remove();
  EXPECT_FALSE(a->link->Linked());
  EXPECT_EQ(list.Count(), 1u);
  EXPECT_EQ(Walk(), (Names{"b"}));
}

TEST_F(TListTest, RemovingTheTailKeepsAppendingWorking) {
  Append("a");
  auto b = Append("b");
  b->link->Remove();
  Append("c");
  EXPECT_EQ(Walk(), (Names{"a", "c"}));
  EXPECT_EQ(list.Last()->name, "c");
}

TEST_F(TListTest, RemoveIfUnlinksMatchesInPlaceKeepingTheOrder) {
  Append("a");
  auto b = Append("b");
  Append("c");
  Append("d");
  b->onVisit = [&] { list.RemoveIf([](const Entry& e) { return e.name == "b" || e.name == "c"; }); };
  EXPECT_EQ(Walk(), (Names{"a", "b", "d"})) << "the walk standing on a removed entry goes on";
  EXPECT_EQ(Walk(), (Names{"a", "d"}));
  EXPECT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.Last()->name, "d");
}

TEST_F(TListTest, ClearReleasesEveryObject) {
  std::weak_ptr<Entry> watch;
  {
    auto a = Append("a");
    watch = a;
  }
  Append("b");
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(Walk(), Names{});
}

TEST_F(TListTest, ClearDuringAWalkEndsIt) {
  auto a = Append("a");
  Append("b");
  a->onVisit = [&] { list.Clear(); };
  EXPECT_EQ(Walk(), (Names{"a"}));
}

}  // namespace
}  // namespace tolvex
