// Decoding and saving pictures: good files read back, broken ones give null.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/Image.h"
#include "support/TempFolder.h"

namespace tolvex {
namespace {

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ImageFileTest : public ::testing::Test {
 protected:
  std::string SaveSample() {
    Pixmap picture(5, 3);
    picture.At(0, 0) = 0xFFFF0000u;
    picture.At(4, 2) = 0x8000FF00u;
    const std::string path = (folder / "sample.png").string();
    EXPECT_TRUE(SavePicturePng(picture, path, 5));
    return path;
  }
  const test::TempFolder temp;
  const std::filesystem::path folder = temp.Path();
};

TEST_F(ImageFileTest, PngRoundTripKeepsPixelsAndAlpha) {
  const auto picture = LoadPixmap(SaveSample());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 5);
  EXPECT_EQ(picture->height, 3);
  EXPECT_EQ(ReadPixel(picture, 0, 0), 0xFFFF0000u);
  EXPECT_EQ(ReadPixel(picture, 4, 2), 0x8000FF00u);
  EXPECT_EQ(ReadPixel(picture, 5, 0), 0u) << "outside the picture reads 0";
}

TEST_F(ImageFileTest, TruncatedPngGivesNull) {
  auto bytes = ReadBytes(SaveSample());
  // Everything but the end marker still holds the whole picture; any cut into the data must fail.
  for (const std::size_t keep : {bytes.size() - 20, bytes.size() / 2, std::size_t{8}, std::size_t{3}}) {
    EXPECT_EQ(DecodeImageFile(std::span(bytes.data(), keep)), nullptr) << "kept " << keep << " bytes";
  }
}

TEST_F(ImageFileTest, CorruptPngGivesNull) {
  auto bytes = ReadBytes(SaveSample());
  for (std::size_t i = 40; i < bytes.size() - 12; ++i) bytes[i] ^= 0x5A;
  EXPECT_EQ(DecodeImageFile(bytes), nullptr);
}

TEST_F(ImageFileTest, BrokenJpegGivesNull) {
  // A JPEG start marker followed by rubbish, and a bare marker.
  std::vector<unsigned char> rubbish = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 2, 3};
  EXPECT_EQ(DecodeImageFile(rubbish), nullptr);
  EXPECT_EQ(DecodeImageFile(std::vector<unsigned char>{0xFF, 0xD8}), nullptr);
}

TEST_F(ImageFileTest, MissingFilesGiveNull) {
  EXPECT_EQ(LoadImage((folder / "nothing.png").string()), nullptr);
  EXPECT_EQ(LoadImage("incbin::..\\gfx\\no such image.png"), nullptr);
  EXPECT_EQ(LoadPixmap(""), nullptr);
}

TEST_F(ImageFileTest, SavingIntoAMissingFolderFails) {
  EXPECT_FALSE(SavePicturePng(Pixmap(2, 2), (folder / "missing" / "x.png").string(), 5));
}

TEST_F(ImageFileTest, CentreHandleUsesIntegerHalves) {
  auto image = CreateImageFromPixmap(Pixmap(41, 30));
  CentreHandle(image);
  EXPECT_EQ(image->HandleX(), 20);
  EXPECT_EQ(image->HandleY(), 15);
}

}  // namespace
}  // namespace tolvex
