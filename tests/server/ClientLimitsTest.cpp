// The per-address limits' pieces: the minute window of submissions and the address they count.
#include <gtest/gtest.h>

#include "server/ClientAddress.h"
#include "server/SubmitRateLimiter.h"

namespace tolvex {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

TEST(ClientLimitsTest, SubmissionsAreCountedOverAnyMinute) {
  SubmitRateLimiter limiter(3);
  const auto t0 = SubmitRateLimiter::Clock::time_point() + std::chrono::hours(1);
  EXPECT_TRUE(limiter.Admit("a", t0));
  EXPECT_TRUE(limiter.Admit("a", t0 + seconds(20)));
  EXPECT_TRUE(limiter.Admit("a", t0 + seconds(40)));
  EXPECT_FALSE(limiter.Admit("a", t0 + seconds(59)));
  EXPECT_TRUE(limiter.Admit("b", t0 + seconds(59))) << "every address has a window of its own";
  // The first one leaves the window a minute after it came; refused ones never counted.
  EXPECT_FALSE(limiter.Admit("a", t0 + seconds(60) - milliseconds(1)));
  EXPECT_TRUE(limiter.Admit("a", t0 + seconds(60)));
  EXPECT_FALSE(limiter.Admit("a", t0 + seconds(61)));
  EXPECT_TRUE(limiter.Admit("a", t0 + seconds(80)));
  // Addresses silent for a minute are forgotten.
  EXPECT_TRUE(limiter.Admit("c", t0 + seconds(200)));
  EXPECT_EQ(limiter.Addresses(), 1u);
  SubmitRateLimiter unlimited(0);
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(unlimited.Admit("a", t0));
}

TEST(ClientLimitsTest, AddressesAreCountedByHostOrIpv6Network) {
  using boost::asio::ip::make_address;
  const std::pair<const char*, const char*> keys[] = {
      {"203.0.113.7", "203.0.113.7"},
      {"::ffff:203.0.113.7", "203.0.113.7"},
      {"2001:db8:1:2:aaaa:bbbb:cccc:dddd", "2001:db8:1:2::/64"},
      {"2001:db8:1:2::1", "2001:db8:1:2::/64"},
      {"2001:db8:1:3::1", "2001:db8:1:3::/64"},
  };
  for (const auto& [address, key] : keys) EXPECT_EQ(LimitKey(make_address(address)), key) << address;
  EXPECT_EQ(ShownAddress(make_address("::ffff:203.0.113.7")), "203.0.113.7");
  EXPECT_EQ(ShownAddress(make_address("2001:db8::1")), "2001:db8::1");
  const std::pair<const char*, const char*> forwarded[] = {
      {"203.0.113.7", "203.0.113.7"}, {"198.51.100.1, 203.0.113.7", "203.0.113.7"},
      {" 198.51.100.1 ,2001:db8::5 ", "2001:db8::5"}, {"", ""}, {"unknown", ""}, {"198.51.100.1, ", ""}};
  for (const auto& [header, client] : forwarded) {
    const auto named = ForwardedClient(header);
    EXPECT_EQ(named ? named->to_string() : "", client) << header;
  }
}

}  // namespace
}  // namespace tolvex
