// The WAV writer and reader: what is written reads back the same, and bad files are refused.
#include <gtest/gtest.h>

#include <filesystem>

#include "WavFile.h"

namespace tolvex::sfx {
namespace {

WavData sampleWav() { return {44100, 1, {0, 1, -1, 32767, -32768, 12345, -12345, 256}}; }

TEST(WavFile, EncodesAFortyFourByteHeaderAndLittleEndianSamples) {
  const auto bytes = encodeWav(sampleWav());
  ASSERT_EQ(44u + 16u, bytes.size());
  EXPECT_EQ(std::string("RIFF"), std::string(bytes.begin(), bytes.begin() + 4));
  EXPECT_EQ(52, bytes[4]);  // 36 + 16 data bytes
  EXPECT_EQ(std::string("WAVEfmt "), std::string(bytes.begin() + 8, bytes.begin() + 16));
  EXPECT_EQ(0x44, bytes[24]);  // 44100 = 0xAC44
  EXPECT_EQ(0xAC, bytes[25]);
  EXPECT_EQ(16, bytes[34]);
  EXPECT_EQ(16, bytes[40]);    // data size
  EXPECT_EQ(0xFF, bytes[50]);  // 32767 = 0x7FFF, low byte first
  EXPECT_EQ(0x7F, bytes[51]);
  EXPECT_EQ(0x00, bytes[52]);  // -32768 = 0x8000
  EXPECT_EQ(0x80, bytes[53]);
}

TEST(WavFile, RoundTripsThroughMemory) {
  const auto decoded = decodeWav(encodeWav(sampleWav()));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(44100, decoded->sampleRate);
  EXPECT_EQ(1, decoded->channels);
  EXPECT_EQ(sampleWav().samples, decoded->samples);
}

TEST(WavFile, RoundTripsThroughAFile) {
  const auto path = std::filesystem::temp_directory_path() / "tolvex_wav_roundtrip.wav";
  const WavData stereo{22050, 2, {1, -2, 3, -4, 5, -6}};
  ASSERT_TRUE(writeWav(path, stereo));
  const auto read = readWav(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(22050, read->sampleRate);
  EXPECT_EQ(2, read->channels);
  EXPECT_EQ(stereo.samples, read->samples);
}

TEST(WavFile, ReadsStreamedFilesWhoseSizesArePlaceholders) {
  auto bytes = encodeWav(sampleWav());
  for (std::size_t at : {4u, 40u}) {  // RIFF and data sizes as a pipe writer leaves them
    bytes[at] = 0x00, bytes[at + 1] = 0xF0, bytes[at + 2] = 0xFF, bytes[at + 3] = 0x7F;
  }
  const auto decoded = decodeWav(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(sampleWav().samples, decoded->samples);
}

TEST(WavFile, SkipsChunksItDoesNotKnow) {
  auto bytes = encodeWav(sampleWav());
  const std::vector<std::uint8_t> list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // odd size, padded
  bytes.insert(bytes.begin() + 36, list.begin(), list.end());
  const auto decoded = decodeWav(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(sampleWav().samples, decoded->samples);
}

TEST(WavFile, RefusesWhatIsNotSixteenBitPcm) {
  const auto good = encodeWav(sampleWav());
  auto notRiff = good;
  notRiff[0] = 'X';
  auto eightBit = good;
  eightBit[34] = 8;
  auto compressed = good;
  compressed[20] = 3;  // IEEE float
  EXPECT_FALSE(decodeWav(notRiff));
  EXPECT_FALSE(decodeWav(eightBit));
  EXPECT_FALSE(decodeWav(compressed));
  EXPECT_FALSE(decodeWav(std::vector<std::uint8_t>(good.begin(), good.begin() + 30)));
  EXPECT_FALSE(decodeWav(std::vector<std::uint8_t>{}));
  EXPECT_FALSE(readWav("/nonexistent/tolvex.wav"));
}

TEST(WavFile, RefusesDataBeforeItsFormat) {
  auto bytes = encodeWav(sampleWav());
  bytes[12] = 'j', bytes[13] = 'u', bytes[14] = 'n', bytes[15] = 'k';  // the fmt chunk becomes unknown
  EXPECT_FALSE(decodeWav(bytes));
}

}  // namespace
}  // namespace tolvex::sfx
