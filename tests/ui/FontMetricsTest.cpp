// Reading the ".dat" metrics file of a bitmap font.
#include <gtest/gtest.h>

#include "TestFont.h"
#include "ui/FontMetrics.h"

namespace tolvex {
namespace {

TEST(FontMetrics, TheGamesEmbeddedFontReadsAsDocumented) {
  for (const char* font : {"font", "font2", "font3"}) {
    const auto bytes = ReadBinaryFile(std::string("incbin::..\\gfx\\") + font + ".dat");
    ASSERT_TRUE(bytes) << font;
    EXPECT_EQ(bytes->size(), 1636u) << "36 + 16 × 100";
    const auto metrics = ParseFontMetrics(*bytes);
    ASSERT_TRUE(metrics);
    EXPECT_EQ(metrics->textureWidth, 256);
    EXPECT_EQ(metrics->textureHeight, 128);
    EXPECT_EQ(metrics->lineHeight, 16);
    EXPECT_EQ(metrics->blankWidth, 8);
    EXPECT_EQ(metrics->widestChar, 13);
    ASSERT_EQ(metrics->records.size(), 100u);
    // The letter A: row y 18, x 158, 10 wide; the last record is ß at (54, 82).
    const auto& a = metrics->records[31];
    EXPECT_EQ(std::vector<int>({a.code, a.x, a.y, a.width}), std::vector<int>({'A', 158, 18, 10}));
    const auto& sharpS = metrics->records.back();
    EXPECT_EQ(std::vector<int>({sharpS.code, sharpS.x, sharpS.y, sharpS.width}), std::vector<int>({223, 54, 82, 10}));
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
