// Reading the ".dat" metrics file of a bitmap font.
#include <gtest/gtest.h>

#include "TestFont.h"
#include "ui/FontMetrics.h"

namespace tolvex {
namespace {

TEST(FontMetrics, TheGamesThreeFontFilesReadAsDocumented) {
  for (const char* font : {"font", "font2", "font3"}) {
    const auto bytes = ReadBinaryFile(std::string("incbin::..\\gfx\\") + font + ".dat");
    ASSERT_TRUE(bytes) << font;
    const auto metrics = ParseFontMetrics(*bytes);
    ASSERT_TRUE(metrics && metrics->records.size() == 100u) << font;
    EXPECT_EQ(std::tuple(metrics->textureWidth, metrics->textureHeight, metrics->lineHeight, metrics->blankWidth,
                         metrics->widestChar),
              std::tuple(256, 128, 16, 8, 13)) << font;
    const auto& a = metrics->records[31];  // the letter A: row y 18, x 158, 10 wide
    EXPECT_EQ(std::tuple(a.code, a.x, a.y, a.width), std::tuple('A', 158, 18, 10)) << font;
  }
}

TEST(FontMetrics, ReadsLittleEndianAndNegativeValues) {
  auto bytes = test::EncodeMetrics({{65, -3, 300, 70000}});
  bytes[8] = 0xFF;  // mask red 255
  const auto metrics = ParseFontMetrics(bytes);
  ASSERT_TRUE(metrics);
  EXPECT_EQ(metrics->maskRed, 255);
  ASSERT_EQ(metrics->records.size(), 1u);
  EXPECT_EQ(metrics->records[0].x, -3);
  EXPECT_EQ(metrics->records[0].y, 300);
  EXPECT_EQ(metrics->records[0].width, 70000);
}

TEST(FontMetrics, IncompleteHeaderIsRejected) {
  auto bytes = test::EncodeMetrics({});
  bytes.resize(35);
  EXPECT_FALSE(ParseFontMetrics(bytes));
}

TEST(FontMetrics, CountLargerThanTheFileReadsOnlyWholeRecords) {
  auto bytes = test::EncodeMetrics(test::GameFontRecords());
  bytes.resize(36 + 16 * 3 + 7);  // three whole records and part of a fourth
  const auto metrics = ParseFontMetrics(bytes);
  ASSERT_TRUE(metrics);
  EXPECT_EQ(metrics->records.size(), 3u);
}

TEST(FontMetrics, NegativeCountReadsNoRecords) {
  auto bytes = test::EncodeMetrics(test::GameFontRecords());
  bytes[20] = bytes[21] = bytes[22] = bytes[23] = 0xFF;  // n = -1
  const auto metrics = ParseFontMetrics(bytes);
  ASSERT_TRUE(metrics);
  EXPECT_TRUE(metrics->records.empty());
}

TEST(FontMetrics, ReadsFilesFromDiskAndReportsMissingOnes) {
  test::TempFolder folder;
  const std::vector<unsigned char> bytes = {1, 2, 3};
  test::WriteBytes(folder.File("x.dat"), bytes);
  EXPECT_EQ(ReadBinaryFile(folder.File("x.dat")), bytes);
  EXPECT_FALSE(ReadBinaryFile(folder.File("missing.dat")));
  EXPECT_FALSE(ReadBinaryFile("incbin::..\\gfx\\no_such_file.dat"));
}

}  // namespace
}  // namespace tolvex
