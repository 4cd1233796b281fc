// The server reads queries strictly: repeats are kept, escapes are decoded, bad escapes refused.
#include <gtest/gtest.h>

#include "server/QueryParams.h"

namespace tolvex {
namespace {

TEST(QueryParamsTest, KeepsRepeatsAndDecodes) {
  QueryParams params;
  ASSERT_TRUE(ParseQuery("/p/submit.php?name=A%26B%23&name=A%26B%23&flag&&time=a+b%20c", params));
  EXPECT_EQ(params, (QueryParams{{"name", "A&B#"}, {"name", "A&B#"}, {"flag", ""}, {"time", "a+b c"}}));
  params.clear();
  ASSERT_TRUE(ParseQuery("/p/get.php", params));
  EXPECT_TRUE(params.empty());
  EXPECT_FALSE(ParseQuery("/p/get.php?limit=1&x=%4", params));
  EXPECT_FALSE(ParseQuery("/p/get.php?%zz=1", params));
}

}  // namespace
}  // namespace tolvex
