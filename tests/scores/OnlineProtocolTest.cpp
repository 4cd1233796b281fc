// The online protocol's texts: escaping, check values, request lines, markers and records.
#include <gtest/gtest.h>

#include "scores/OnlineExchange.h"
#include "support/OnlineRecordPrint.h"
#include "scores/OnlineRecord.h"
#include "scores/OnlineRequests.h"
#include "scores/PercentEncoding.h"

namespace tolvex {
namespace {

using namespace std::string_literals;

const OnlineRecord kAcePilot{"Ace Pilot", 1200, "06 Dec 2026/12:00:00", 7};

std::vector<OnlineRecord> Parse(std::string_view line) {
  std::vector<OnlineRecord> records;
  ParseOnlineRecords(line, records);
  return records;
}

TEST(OnlineProtocolTest, VersionValueIsTheDigestOfTheVersionText) {
  EXPECT_EQ(OnlineVersionValue(), "b70e9e29ab158820a5133a6e43f7a09a");
}

TEST(OnlineProtocolTest, PercentEncodingEscapesOnlyWhatBreaksTheQuery) {
  const std::pair<std::string, std::string> cases[] = {
      {"Az09-_.~", "Az09-_.~"},
      {"06 Dec 2026/12:00:00", "06%20Dec%202026/12:00:00"},
      {"O'Brien", "O'Brien"},
      {"[SQ]Bob", "[SQ]Bob"},
      {"Dr. Who; 2nd", "Dr.%20Who;%202nd"},
      {"=?/:@!$'()*,;<>\"\\^`{|}", "=?/:@!$'()*,;<>\"\\^`{|}"},
      {"%&#+", "%25%26%23%2B"},
      {std::string("\x00\x01\x1F\x7F", 4), "%00%01%1F%7F"},
      {"\x80\xE9\xFF", "%80%E9%FF"},
      {"", ""},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(PercentEncode(text), escaped) << text;
  std::string decoded;
  const std::string everyByte = [] {
    std::string bytes;
    for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
    return bytes;
  }();
  EXPECT_TRUE(PercentDecode(PercentEncode(everyByte), decoded));
  EXPECT_EQ(decoded, everyByte);
  EXPECT_TRUE(PercentDecode("a+b%2b%2B", decoded));
  EXPECT_EQ(decoded, "a+b++");
  for (const char* bad : {"%", "%4", "a%zz", "%G0"}) EXPECT_FALSE(PercentDecode(bad, decoded)) << bad;
}

TEST(OnlineProtocolTest, SubmitSendsBlanksEscapedButChecksTheUnescapedText) {
  EXPECT_EQ(OnlineCheckValue(kAcePilot), "00513e1b637a36a93faebd7b5aa277ea");
  EXPECT_EQ(SubmitQuery(kAcePilot),
            "submit.php?name=Ace%20Pilot&points=1200&time=06%20Dec%202026/12:00:00&rank=7"
            "&md5sum=00513e1b637a36a93faebd7b5aa277ea");
  const OnlineRecord hostile{"A&points=9#", 5, "t", 0};
  EXPECT_EQ(SubmitQuery(hostile).substr(0, 37), "submit.php?name=A%26points=9%23&point");
}

TEST(OnlineProtocolTest, RequestsAreTheExactLines) {
  EXPECT_EQ(HttpGetRequest("localhost", VersionCheckQuery()),
            "GET /games/tolvexExt107highscore/checkversion.php?version=b70e9e29ab158820a5133a6e43f7a09a"
            "&funpicbuffer=0 HTTP/1.0\r\nHost: localhost\r\nUser-Agent: Tolvex 1.07\r\nAccept: */*\r\n\r\n");
  EXPECT_EQ(FetchQuery(10), "get.php?limit=10");
  EXPECT_EQ(HostHeader({"localhost", 80}), "localhost");
  EXPECT_EQ(HostHeader({"127.0.0.1", 18001}), "127.0.0.1:18001");
  EXPECT_EQ(HostHeader({"::1", 18001}), "[::1]:18001");
}

TEST(OnlineProtocolTest, VersionMarkersPreferAcceptance) {
  EXPECT_EQ(ScanVersionLine("[false] and [true]"), VersionVerdict::Accepted);
  EXPECT_EQ(ScanVersionLine("xx[false]xx"), VersionVerdict::Refused);
  EXPECT_EQ(ScanVersionLine("HTTP/1.0 200 OK"), VersionVerdict::None);
  EXPECT_TRUE(HasStoredMarker("stored [OK] thanks"));
  EXPECT_FALSE(HasStoredMarker("[ok]"));
}

TEST(OnlineProtocolTest, RecordsAreReadBetweenStartAndEnd) {
  EXPECT_EQ(Parse("junk[start][Ace|1200|06 Dec 2026/12:00:00|7][end]junk"),
            (std::vector<OnlineRecord>{{"Ace", 1200, "06 Dec 2026/12:00:00", 7}}));
  // Any name and time the record's bars delimit: brackets, quotes, an empty time, edge blanks.
  const std::string longName(kOnlineNameMax + 1, 'n');
  EXPECT_EQ(Parse("[start][[SQ]Bob|5|t]|1][O'Brien|4||2][ Dr. Who; 2nd |3|x|0][a=b,c|2|t|1][" + longName +
                  "|1|t|1][end]"),
            (std::vector<OnlineRecord>{{"[SQ]Bob", 5, "t]", 1}, {"O'Brien", 4, "", 2}, {" Dr. Who; 2nd ", 3, "x", 0},
                                       {"a=b,c", 2, "t", 1}, {longName, 1, "t", 1}}));
  EXPECT_EQ(Parse("[start][a|1|t|0][b c|2147483647|u|12][end]"),
            (std::vector<OnlineRecord>{{"a", 1, "t", 0}, {"b c", 2147483647, "u", 12}}));
  EXPECT_TRUE(Parse("[start][Ace|1200|t|7]").empty());
  EXPECT_TRUE(Parse("[Ace|1200|t|7][end]").empty());
  EXPECT_TRUE(Parse("[start][end]").empty());
  EXPECT_TRUE(Parse("").empty());
}

TEST(OnlineProtocolTest, HostileRecordsAreSkippedOrEndTheLine) {
  // Without "|" or "]" the line ends: nothing after a broken record is trusted.
  EXPECT_TRUE(Parse("[start]garbage[end]").empty());
  EXPECT_TRUE(Parse("[start][a|1|t|7[end]").empty());
  EXPECT_EQ(Parse("[start][a|1|t|7][b|2|t][end]").size(), 1u);
  // Whole records whose numbers are not plain or whose points are 0 are skipped, the rest are read.
  EXPECT_EQ(Parse("[start][neg|-5|t|1][big|99999999999|t|1][zero|0|t|1][r|5|t|-1][x|1e3|t|1][ok|5|t|1][end]"),
            (std::vector<OnlineRecord>{{"ok", 5, "t", 1}}));
  // A megabyte of one character is read through without a record and without trouble.
  EXPECT_TRUE(Parse("[start]" + std::string(1 << 20, '[') + "[end]").empty());
  EXPECT_TRUE(Parse("[start]" + std::string(1 << 20, '|') + "[end]").empty());
}

TEST(OnlineProtocolTest, FormattedRecordsReadBack) {
  const std::vector<OnlineRecord> records{{"Ace", 1200, "06 Dec 2026/12:00:00", 7}, {"B#&%", 3, "x y", 0}};
  EXPECT_EQ(FormatOnlineRecords(records), "[start][Ace|1200|06 Dec 2026/12:00:00|7][B#&%|3|x y|0][end]");
  EXPECT_EQ(Parse(FormatOnlineRecords(records)), records);
  EXPECT_EQ(FormatOnlineRecords({}), "[start][end]");
}

TEST(OnlineProtocolTest, TextsAndNumbersTheTableAccepts) {
  for (const std::string good : {"Ace Pilot", "O'Brien", "[SQ]Bob", "Dr. Who; 2nd", " a=b,c ", "\xE9l\xE8ve", "",
                                 "'; DROP TABLE highscores;--", "[start]", "[end", "end]"}) {
    EXPECT_TRUE(IsOnlineText(good, kOnlineNameMax)) << good;
  }
  const std::string refused[] = {"a|b", "a\nb", "a\rb", "a\tb", "\x1F", "a\x7F", "x[end]y", "nul\0byte"s};
  for (const std::string& bad : refused) {
    EXPECT_FALSE(IsOnlineText(bad, kOnlineNameMax)) << bad;
  }
  EXPECT_TRUE(IsOnlineText(std::string(kOnlineNameMax, 'x'), kOnlineNameMax));
  EXPECT_FALSE(IsOnlineText(std::string(kOnlineNameMax + 1, 'x'), kOnlineNameMax));
  EXPECT_TRUE(IsOnlineText(std::string(kOnlineTimeMax, 't'), kOnlineTimeMax));
  EXPECT_FALSE(IsOnlineText(std::string(kOnlineTimeMax + 1, 't'), kOnlineTimeMax));
  int value = -1;
  EXPECT_TRUE(ParseDecimal("0", value));
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(ParseDecimal("2147483647", value));
  EXPECT_EQ(value, 2147483647);
  for (const char* bad : {"", "-1", "+1", " 1", "1 ", "2147483648", "99999999999", "0x10", "1e3"}) {
    EXPECT_FALSE(ParseDecimal(bad, value)) << bad;
  }
}

TEST(OnlineProtocolTest, ServerAddressComesAsHostAndPort) {
  OnlineServerAddress address;
  EXPECT_TRUE(ParseServerAddress("127.0.0.1:18000", address));
  EXPECT_EQ(address.host, "127.0.0.1");
  EXPECT_EQ(address.port, 18000);
  EXPECT_TRUE(ParseServerAddress("[::1]:18001", address));
  EXPECT_EQ(address.host, "::1");
  for (const char* bad : {"host", "host:", ":80", "host:0", "host:65536", "host:8o", "[]:80"}) {
    EXPECT_FALSE(ParseServerAddress(bad, address)) << bad;
  }
  EXPECT_EQ(address.host, "::1");
}

}  // namespace
}  // namespace tolvex
