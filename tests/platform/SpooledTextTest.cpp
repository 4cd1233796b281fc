// Growing text kept on disk: it reads back whole and in order, memory holds no more than a piece
// of it, and a full disk loses nothing.
#include <gtest/gtest.h>

#include "platform/SpooledText.h"
#include "support/FailingDisk.h"

namespace tolvex {
namespace {

// Appends numbered lines, a few at a time as a session's frames do, until the text is this long.
std::string AppendLines(SpooledText& text, std::size_t length) {
  std::string expected;
  for (int line = 0; expected.size() < length; ++line) {
    const std::string next = std::to_string(line) + " mouse " + std::to_string(line * 7 % 1280) + " 240\n";
    text.Tail() += next;
    expected += next;
    if (line % 3 == 0) text.Spill();
  }
  return expected;
}

// Everything the text writes, and how many pieces it came in.
struct ReadBack {
  std::string text;
  int pieces = 0;
};
ReadBack ReadAll(const SpooledText& text) {
  ReadBack back;
  EXPECT_TRUE(text.WriteTo([&](std::span<const std::uint8_t> piece) {
    back.text.append(reinterpret_cast<const char*>(piece.data()), piece.size());
    ++back.pieces;
    return true;
  }));
  return back;
}

TEST(SpooledTextTest, ALongTextReadsBackWholeWhileMemoryHoldsAboutAPiece) {
  SpooledText text;
  const std::string expected = AppendLines(text, 20 * SpooledText::kPieceBytes + 123);
  EXPECT_LE(text.Tail().capacity(), 2 * SpooledText::kPieceBytes) << "the text waits on disk, not in memory";
  EXPECT_EQ(text.Size(), expected.size());
  const ReadBack back = ReadAll(text);
  EXPECT_EQ(back.text, expected);
  EXPECT_GT(back.pieces, 20);
  EXPECT_EQ(ReadAll(text).text, expected) << "reading back leaves the text as it was";
  text.Tail() += "more\n";
  EXPECT_EQ(ReadAll(text).text, expected + "more\n") << "and it goes on growing after it was read";
}

TEST(SpooledTextTest, ShortTextStaysInMemoryUntilAPieceHasGathered) {
  SpooledText text;
  text.Tail() = "0 step 16\n";
  text.Spill();
  EXPECT_EQ(text.Tail(), "0 step 16\n");
  EXPECT_EQ(ReadAll(text).pieces, 1);
}

TEST(SpooledTextTest, AFullDiskKeepsTheRestInMemoryWithNothingLost) {
  SpooledText text;
  std::string expected;
  {
    const test::DiskFullAfter full(3 * SpooledText::kPieceBytes / 2);
    expected = AppendLines(text, 5 * SpooledText::kPieceBytes);
  }
  expected += AppendLines(text, SpooledText::kPieceBytes);
  EXPECT_EQ(ReadAll(text).text, expected);
  EXPECT_GT(text.Tail().size(), 3 * SpooledText::kPieceBytes) << "what did not fit on disk stays in memory";
}

TEST(SpooledTextTest, AWriterThatFailsStopsTheReading) {
  SpooledText text;
  AppendLines(text, 4 * SpooledText::kPieceBytes);
  int asked = 0;
  EXPECT_FALSE(text.WriteTo([&](std::span<const std::uint8_t>) { return ++asked < 2; }));
  EXPECT_EQ(asked, 2);
}

}  // namespace
}  // namespace tolvex
