// The best entries kept between reads of the store: fresh for a while, never older than an entry
// this server stored, one read of the store however many readers wait.
#include <gtest/gtest.h>

#include "server/BestCache.h"
#include "support/OnlineRecordPrint.h"

namespace tolvex {
namespace {

using std::chrono::milliseconds;

class BestCacheTest : public ::testing::Test {
 protected:
  // A reader that notes what it got: the first entry's name, "-" for an empty list, "failed".
  BestCache::Reader Note() {
    return [this](const std::vector<OnlineRecord>* best) {
      got_.push_back(!best ? "failed" : best->empty() ? "-" : best->front().name);
    };
  }
  static std::vector<OnlineRecord> Led(const std::string& name) { return {{name, 1, "t", 0}}; }

  BestCache cache_{milliseconds(1000)};
  BestCache::Clock::time_point t0_ = BestCache::Clock::time_point() + std::chrono::hours(1);
  std::vector<std::string> got_;
};

TEST_F(BestCacheTest, ReadersShareOneReadWhileTheListIsFresh) {
  EXPECT_TRUE(cache_.Read(t0_, Note())) << "nothing read yet: refresh";
  EXPECT_FALSE(cache_.Read(t0_, Note())) << "one refresh at a time";
  EXPECT_FALSE(cache_.Refreshed(t0_, Led("a")));
  EXPECT_EQ(got_, (std::vector<std::string>{"a", "a"}));
  EXPECT_FALSE(cache_.Read(t0_ + milliseconds(999), Note())) << "still fresh: answered at once";
  EXPECT_EQ(got_.size(), 3u);
  EXPECT_TRUE(cache_.Read(t0_ + milliseconds(1000), Note())) << "a second old: read again";
  EXPECT_FALSE(cache_.Refreshed(t0_ + milliseconds(1000), std::nullopt));
  EXPECT_EQ(got_.back(), "failed");
  EXPECT_TRUE(cache_.Read(t0_ + milliseconds(1001), Note())) << "a failed read is not kept";
}

TEST_F(BestCacheTest, AReaderAfterAStoredEntryWaitsForAListReadAfterIt) {
  ASSERT_TRUE(cache_.Read(t0_, Note()));
  cache_.Stored();
  // This reader came after the entry was stored: the refresh under way may not hold it.
  EXPECT_FALSE(cache_.Read(t0_, Note()));
  EXPECT_TRUE(cache_.Refreshed(t0_, Led("old"))) << "another refresh for the later reader";
  EXPECT_EQ(got_, (std::vector<std::string>{"old"}));
  EXPECT_FALSE(cache_.Refreshed(t0_, Led("new")));
  EXPECT_EQ(got_, (std::vector<std::string>{"old", "new"}));
  EXPECT_FALSE(cache_.Read(t0_, Note()));
  EXPECT_EQ(got_.back(), "new");
  cache_.Stored();
  EXPECT_TRUE(cache_.Read(t0_, Note())) << "a fresh list older than a stored entry is read again";
}

}  // namespace
}  // namespace tolvex
