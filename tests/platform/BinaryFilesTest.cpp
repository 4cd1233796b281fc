// Whole binary files: reading with a limit, replacing in one step.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/BinaryFiles.h"

namespace tolvex {
namespace {

class BinaryFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("tolvex_binary_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    path = (folder / "data.bin").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::vector<std::uint8_t> Contents() const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::filesystem::path folder;
  std::string path;
};

TEST_F(BinaryFilesTest, ReadingStopsAtTheLimit) {
  std::vector<std::uint8_t> bytes(200000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 31);
  ASSERT_TRUE(ReplaceFile(path, bytes));
  EXPECT_EQ(ReadFileBytes(path, 1 << 20), bytes);
  const auto head = ReadFileBytes(path, 70000);
  ASSERT_TRUE(head);
  EXPECT_EQ(*head, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 70000));
  EXPECT_FALSE(ReadFileBytes((folder / "missing").string(), 100));
  EXPECT_FALSE(ReadFileBytes(folder.string(), 100)) << "a folder is no file";
}

TEST_F(BinaryFilesTest, AReplacementTakesEffectOnlyWhenCommitted) {
  const std::vector<std::uint8_t> old = {1, 2, 3}, fresh = {4, 5, 6, 7};
  ASSERT_TRUE(ReplaceFile(path, old));
  {
    FileReplacement dropped(path, fresh);
    EXPECT_TRUE(dropped.Ready());
    EXPECT_EQ(Contents(), old);
  }
  EXPECT_EQ(Contents(), old);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp")) << "a dropped replacement leaves nothing behind";
  FileReplacement kept(path, fresh);
  EXPECT_TRUE(kept.Commit());
  EXPECT_FALSE(kept.Commit()) << "once only";
  EXPECT_EQ(Contents(), fresh);
}

TEST_F(BinaryFilesTest, ContentsWrittenInPiecesLandInOrderOrNotAtAll) {
  const std::vector<std::uint8_t> old = {9, 9};
  ASSERT_TRUE(ReplaceFile(path, old));
  const auto pieces = [](int failAt) {
    return [failAt](const PieceWriter& write) {
      for (std::uint8_t piece = 0; piece < 4; ++piece) {
        const std::vector<std::uint8_t> bytes(3, piece);
        if (piece == failAt || !write(bytes)) return false;
      }
      return true;
    };
  };
  EXPECT_FALSE(ReplaceFile(path, pieces(2)));
  EXPECT_EQ(Contents(), old) << "contents that could not all be given leave the old file";
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  ASSERT_TRUE(ReplaceFile(path, pieces(-1)));
  EXPECT_EQ(Contents(), (std::vector<std::uint8_t>{0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3}));
}

TEST_F(BinaryFilesTest, AFolderThatCannotTakeTheFileReportsFailure) {
  EXPECT_FALSE(ReplaceFile((folder / "no" / "such" / "data.bin").string(), std::vector<std::uint8_t>{1}));
}

}  // namespace
}  // namespace tolvex
