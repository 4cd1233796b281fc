// An answer read line by line as its bytes arrive in pieces: where a piece ends changes nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/LineBuffer.h"

namespace tolvex {
namespace {

// Every line of text fed in pieces of the given size, then the end of the stream.
std::vector<std::string> LinesInPieces(std::string_view text, std::size_t piece) {
  LineBuffer buffer(1024);
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t at = 0; at < text.size(); at += piece) {
    EXPECT_TRUE(buffer.Append(text.substr(at, piece)));
    while (buffer.ReadLine(line)) lines.push_back(line);
  }
  buffer.End();
  while (buffer.ReadLine(line)) lines.push_back(line);
  return lines;
}

TEST(LineBufferTest, LinesEndAtLineFeedsWhereverThePiecesEnd) {
  const std::string answer = "HTTP/1.0 200 OK\r\n\r\n[start][Ace|1200|t|7][end]\r\n\nlast[\rOK]";
  const std::vector<std::string> expected = {"HTTP/1.0 200 OK", "", "[start][Ace|1200|t|7][end]", "", "last[OK]"};
  for (std::size_t piece = 1; piece <= answer.size(); ++piece) EXPECT_EQ(LinesInPieces(answer, piece), expected) << piece;
}

TEST(LineBufferTest, ALastLineWithoutLineFeedWaitsForTheEndOfTheStream) {
  LineBuffer buffer(100);
  std::string line;
  ASSERT_TRUE(buffer.Append("[true"));
  EXPECT_FALSE(buffer.ReadLine(line)) << "more of the line may come";
  ASSERT_TRUE(buffer.Append("]"));
  buffer.End();
  ASSERT_TRUE(buffer.ReadLine(line));
  EXPECT_EQ(line, "[true]");
  EXPECT_FALSE(buffer.ReadLine(line)) << "an ended stream has no empty line after its last";
}

TEST(LineBufferTest, AnAnswerPastItsCapFailsAndHandsOutNothingMore) {
  LineBuffer buffer(10);
  std::string line;
  EXPECT_TRUE(buffer.Append("[OK]\n"));
  EXPECT_TRUE(buffer.Append("12345")) << "exactly the cap is allowed";
  EXPECT_FALSE(buffer.Append("6"));
  EXPECT_TRUE(buffer.Failed());
  EXPECT_FALSE(buffer.ReadLine(line)) << "a failed answer counts for nothing";
}

}  // namespace
}  // namespace tolvex
