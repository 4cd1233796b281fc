// The file cipher and the check values: sizes, key, standard vectors, and damaged files.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "scores/HighscoreCipher.h"
#include "scores/Md5.h"
#include "scores/TScore.h"

namespace tolvex {
namespace {

std::vector<std::uint8_t> Hex(std::string_view hex) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
  return bytes;
}

std::int32_t LengthField(const std::vector<std::uint8_t>& file) {
  return static_cast<std::int32_t>(file[0] | file[1] << 8 | file[2] << 16 | static_cast<std::uint32_t>(file[3]) << 24);
}

const HighscoreKey kFileKey = MakeHighscoreKey(TScore::FileKey);

TEST(CipherTest, TheKeyIsTheSevenCharacterCodesThenNineBytesFF) {
  const HighscoreKey expected = {0x34, 0x31, 0x36, 0x37, 0x30, 0x39, 0x33, 0xFF,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(kFileKey, expected);
  EXPECT_EQ(MakeHighscoreKey("0123456789abcdefXYZ")[15], 'f') << "only the first 16 characters count";
}

TEST(CipherTest, TheTextIsStoredInWholeBlocksAfterItsLength) {
  const auto file32 = EncipherHighscoreText(std::string(32, 'a'), kFileKey);
  EXPECT_EQ(file32.size(), 4u + 32u);
  EXPECT_EQ(LengthField(file32), 32);
  const auto file33 = EncipherHighscoreText(std::string(33, 'a'), kFileKey);
  EXPECT_EQ(file33.size(), 4u + 48u);
  EXPECT_EQ(LengthField(file33), 33);
  EXPECT_EQ(EncipherHighscoreText("", kFileKey).size(), 4u);
}

TEST(CipherTest, ATextComesBackWhole) {
  std::string text;
  for (int i = 0; i < 300; ++i) text.push_back(static_cast<char>(i * 7));
  const auto file = EncipherHighscoreText(text, kFileKey);
  EXPECT_EQ(DecipherHighscoreFile(file, kFileKey), text);
  EXPECT_NE(std::string(file.begin() + 4, file.begin() + 20), text.substr(0, 16)) << "enciphered, not copied";
}

TEST(CipherTest, TheFips197ExampleVectorGoesThroughTheFileCipher) {
  // FIPS-197 appendix C.1: AES-128 with key 000102…0f.
  const auto keyBytes = Hex("000102030405060708090a0b0c0d0e0f");
  const auto plain = Hex("00112233445566778899aabbccddeeff");
  const HighscoreKey key = MakeHighscoreKey(std::string(keyBytes.begin(), keyBytes.end()));
  const auto file = EncipherHighscoreText(std::string(plain.begin(), plain.end()), key);
  ASSERT_EQ(file.size(), 20u);
  EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 4, file.end()), Hex("69c4e0d86a7b0430d8cdb78070b4c55a"));
  EXPECT_EQ(DecipherHighscoreFile(file, key), std::string(plain.begin(), plain.end()));
}

TEST(CipherTest, Md5GivesTheRfc1321Vectors) {
  EXPECT_EQ(MD5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(MD5Hex("a"), "0cc175b9c0f1b6a831c399e269772661");
  EXPECT_EQ(MD5Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(MD5Hex("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_EQ(MD5Hex("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
  EXPECT_EQ(MD5Hex("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"), "d174ab98d277d9f5a5611c2c9f419d9f");
  EXPECT_EQ(MD5Hex("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
            "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(CipherTest, DamagedFilesGiveWhatTheirBytesHoldAndNeverMore) {
  const std::string text(100, 'x');
  auto file = EncipherHighscoreText(text, kFileKey);
  EXPECT_EQ(DecipherHighscoreFile(std::span(file).first(3), kFileKey), "") << "no whole length field";
  EXPECT_EQ(DecipherHighscoreFile(std::span(file).first(4 + 32), kFileKey), text.substr(0, 32)) << "cut after two blocks";
  const std::string partial = DecipherHighscoreFile(std::span(file).first(4 + 40), kFileKey);
  EXPECT_EQ(partial.size(), 48u) << "a partial last block is filled with zeros and deciphered";
  EXPECT_EQ(partial.substr(0, 32), text.substr(0, 32));

  file[0] = 0xFF, file[1] = 0xFF, file[2] = 0xFF, file[3] = 0x7F;  // claims 2 GB
  EXPECT_EQ(DecipherHighscoreFile(file, kFileKey).size(), 112u) << "bounded by the file, not its length field";
  file[3] = 0xFF;  // negative
  EXPECT_EQ(DecipherHighscoreFile(file, kFileKey), "");
  file[0] = file[1] = file[2] = file[3] = 0;
  EXPECT_EQ(DecipherHighscoreFile(file, kFileKey), "");
}

}  // namespace
}  // namespace tolvex
