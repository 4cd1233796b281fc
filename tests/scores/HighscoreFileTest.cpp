// "Highscore.txt": written and read back, written by an encoder of our own from the file's
// description, and damaged in every way a disk or a curious player can damage it.
#include <gmock/gmock.h>
#include <nettle/aes.h>
#include <nettle/md5.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <random>

#include "ScoreFixture.h"
#include "platform/Clock.h"

namespace tolvex {
namespace {

using ::testing::ElementsAre;

// The file key as described: the key text's codes, then 0xFF up to 16 bytes.
std::array<std::uint8_t, 16> DescribedKey() {
  std::array<std::uint8_t, 16> key;
  key.fill(0xFF);
  const std::string keyText = "4167093";
  std::copy(keyText.begin(), keyText.end(), key.begin());
  return key;
}

// An encoder written from the file's description alone, calling nettle directly.
class IndependentEncoder {
 public:
  void Line(const std::string& line) { plain_ += line + "\r\n"; }
  void Entry(const std::string& name, int points, const std::string& time, int rank, int online) {
    Line("highScoreEntry=" + name + "," + std::to_string(points) + "," + time + "," + std::to_string(rank) + "," +
         std::to_string(online) + "," + Md5(name + std::to_string(points) + time + std::to_string(rank) + std::to_string(online) + "Tolvex 1.07"));
  }
  std::vector<std::uint8_t> Bytes() const {
    aes128_ctx context;
    aes128_set_encrypt_key(&context, DescribedKey().data());
    std::string padded = plain_;
    padded.resize((plain_.size() + 15) / 16 * 16, '\0');
    std::vector<std::uint8_t> file(4 + padded.size());
    const auto length = static_cast<std::uint32_t>(plain_.size());
    for (int i = 0; i < 4; ++i) file[i] = static_cast<std::uint8_t>(length >> (8 * i));
    aes128_encrypt(&context, padded.size(), file.data() + 4, reinterpret_cast<const std::uint8_t*>(padded.data()));
    return file;
  }
  void Write() const { WriteFile(Bytes()); }
  static void WriteFile(const std::vector<std::uint8_t>& bytes) {
    std::ofstream("Highscore.txt", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static std::string Md5(const std::string& text) {
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, text.size(), reinterpret_cast<const std::uint8_t*>(text.data()));
    std::uint8_t digest[16];
    md5_digest(&context, 16, digest);
    char hex[33];
    for (int i = 0; i < 16; ++i) std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
    return hex;
  }
  const std::string& Plain() const { return plain_; }

 private:
  std::string plain_;
};

std::vector<std::uint8_t> FileBytes() {
  std::ifstream in("Highscore.txt", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The plain text of the file, deciphered by the independent side.
std::string PlainOfFile() {
  const auto file = FileBytes();
  aes128_ctx context;
  aes128_set_decrypt_key(&context, DescribedKey().data());
  std::string plain(file.size() - 4, '\0');
  aes128_decrypt(&context, plain.size(), reinterpret_cast<std::uint8_t*>(plain.data()), file.data() + 4);
  const std::uint32_t length = file[0] | file[1] << 8 | file[2] << 16 | static_cast<std::uint32_t>(file[3]) << 24;
  return plain.substr(0, length);
}

using HighscoreFileTest = ScoreTest;

TEST_F(HighscoreFileTest, AFileFromAnIndependentEncoderIsReadWithEveryEntry) {
  IndependentEncoder encoder;
  encoder.Line("Version: Tolvex 1.07");
  encoder.Line("rankHighscore=12,Ace");
  encoder.Entry("Ace", 5000, "06 Dec 2026/21:15:03", 12, 0);
  encoder.Entry("Net Pilot", 4200, "05 Dec 2026/10:00:00", 7, 1);
  encoder.Entry("Zed", 10, "01 Jan 2026/00:00:00", 0, 0);
  encoder.Write();
  TScore::Init();
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0]->name, "Ace");
  EXPECT_EQ(entries[0]->points, 5000);
  EXPECT_EQ(entries[0]->time, "06 Dec 2026/21:15:03");
  EXPECT_EQ(entries[0]->rank, 12);
  EXPECT_FALSE(entries[0]->online);
  EXPECT_EQ(entries[1]->name, "Net Pilot");
  EXPECT_TRUE(entries[1]->online);
  EXPECT_EQ(entries[2]->points, 10);
  for (const auto& entry : entries) EXPECT_FALSE(entry->newentry);
  EXPECT_EQ(BestRank, 12);
  EXPECT_EQ(BestRankPilot, "Ace");
}

TEST_F(HighscoreFileTest, SaveWritesTheLinesAnIndependentEncoderWouldWrite) {
  BestRank = 3;
  BestRankPilot = "Ace";
  TScore::Add("Ace", 900, "06 Dec 2026/21:15:03", 3, false);
  TScore::Add("Bob", 800, "06 Dec 2026/21:20:00", 1, true);
  TScore::Save();
  IndependentEncoder expected;
  expected.Line("Version: Tolvex 1.07");
  expected.Line("rankHighscore=3,Ace");
  expected.Entry("Ace", 900, "06 Dec 2026/21:15:03", 3, 0);
  expected.Entry("Bob", 800, "06 Dec 2026/21:20:00", 1, 1);
  EXPECT_EQ(PlainOfFile(), expected.Plain());
  EXPECT_EQ(FileBytes(), expected.Bytes());
}

TEST_F(HighscoreFileTest, AnEmptyListStillWritesTheVersionAndRankLines) {
  TScore::Save();
  const std::string plain = "Version: Tolvex 1.07\r\nrankHighscore=0,\r\n";
  const auto file = FileBytes();
  ASSERT_EQ(file.size(), 4u + (plain.size() + 15) / 16 * 16);
  EXPECT_EQ(file[0], plain.size());
  EXPECT_EQ(file[1] | file[2] | file[3], 0);
  EXPECT_EQ(PlainOfFile(), plain);
}

TEST_F(HighscoreFileTest, TheListAndBestRankComeBackAfterARestart) {
  TScore::Add("Ace", 900, "", 9, false);
  TScore::Add("Smith, John", 500, "", 2, false);
  TScore::Sort();
  TScore::Save();
  const std::string time = TScore::ScoreList().First()->time;
  Forget();
  TScore::Init();
  EXPECT_THAT(Names(), ElementsAre("Ace", "Smith John")) << "a comma in a name no longer loses the entry";
  EXPECT_EQ(TScore::ScoreList().First()->time, time);
  EXPECT_FALSE(TScore::ScoreList().First()->newentry) << "new only in the run that made it";
  EXPECT_EQ(BestRank, 9);
  EXPECT_EQ(BestRankPilot, "Ace");
}

TEST_F(HighscoreFileTest, AnEditedEntryIsDroppedAndTheOthersLoad) {
  IndependentEncoder encoder;
  encoder.Line("Version: Tolvex 1.07");
  encoder.Entry("Ace", 500, "t1", 1, 0);
  // 500 points raised to 9999 by hand: the check value no longer fits.
  encoder.Line("highScoreEntry=Cheat,9999,t2,1,0," + IndependentEncoder::Md5("Cheat500t210Tolvex 1.07"));
  encoder.Entry("Bob", 300, "t3", 1, 0);
  encoder.Line("highScoreEntry=Short,300,t3,1," + IndependentEncoder::Md5("Short300t31Tolvex 1.07"));  // a field missing
  encoder.Line("rankHighscore=1");  // a field missing: ignored
  encoder.Write();
  TScore::Init();
  EXPECT_THAT(Names(), ElementsAre("Ace", "Bob"));
  EXPECT_EQ(BestRank, 1) << "raised by the loaded entries only";
}

TEST_F(HighscoreFileTest, NumbersAreReadAsTheGameWroteThem) {
  IndependentEncoder encoder;
  // The check value covers the numbers as printed back: "0500" reads as 500 and no longer fits.
  encoder.Line("highScoreEntry=Pad,0500,t,1,0," + IndependentEncoder::Md5("Pad0500t10Tolvex 1.07"));
  // An online flag of 257 counts as its low byte, 1.
  encoder.Line("highScoreEntry=Wide,40,t,2,257," + IndependentEncoder::Md5("Wide40t21Tolvex 1.07"));
  // Points that are no number count 0, and an entry of 0 points is never added.
  encoder.Line("highScoreEntry=NaN,abc,t,2,0," + IndependentEncoder::Md5("NaN0t20Tolvex 1.07"));
  encoder.Write();
  TScore::Init();
  ASSERT_THAT(Names(), ElementsAre("Wide"));
  EXPECT_TRUE(TScore::ScoreList().First()->online);
}

TEST_F(HighscoreFileTest, AMissingFileLeavesTheListEmptyAndTheBestRankAsItWas) {
  BestRank = 4;
  TScore::Add("Old", 10, "t", 0, false);
  TScore::Init();
  EXPECT_TRUE(TScore::ScoreList().Empty());
  EXPECT_EQ(BestRank, 4);
}

TEST_F(HighscoreFileTest, AFileThatCannotBeWrittenIsSkippedAndTheGameGoesOn) {
  std::filesystem::create_directory("Highscore.txt");  // in the way of the file
  TScore::Add("Ace", 10, "t", 0, false);
  TScore::Save();
  EXPECT_TRUE(std::filesystem::is_directory("Highscore.txt"));
  TScore::Init();
  EXPECT_TRUE(TScore::ScoreList().Empty());
  EXPECT_FALSE(std::filesystem::exists("Highscore.txt.tmp")) << "no temporary file left behind";
}

// A file of ten good entries, each line 60-odd bytes.
std::vector<std::uint8_t> TenEntryFile() {
  IndependentEncoder encoder;
  encoder.Line("Version: Tolvex 1.07");
  encoder.Line("rankHighscore=5,Ace");
  for (int i = 1; i <= 10; ++i) encoder.Entry("Pilot" + std::to_string(i), 1000 - i, "06 Dec 2026/21:15:03", 5, 0);
  return encoder.Bytes();
}

TEST_F(HighscoreFileTest, ATruncatedFileLoadsTheEntriesBeforeTheCut) {
  const auto whole = TenEntryFile();
  for (std::size_t size : {std::size_t{0}, std::size_t{3}, std::size_t{4}, std::size_t{20}, whole.size() / 2, whole.size() - 5}) {
    IndependentEncoder::WriteFile(std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
    Forget();
    TScore::Init();
    EXPECT_LT(TScore::ScoreList().Count(), 10u) << size;
    std::size_t n = 0;
    for (const auto& name : Names()) EXPECT_EQ(name, "Pilot" + std::to_string(++n)) << "whole lines only, in order";
  }
  IndependentEncoder::WriteFile(std::vector<std::uint8_t>(whole.begin(), whole.end() - 5));
  Forget();
  TScore::Init();
  EXPECT_EQ(TScore::ScoreList().Count(), 9u) << "only the last line was cut";
}

TEST_F(HighscoreFileTest, LengthFieldsThatLieLoadWhatTheFileHolds) {
  auto file = TenEntryFile();
  file[0] = 0xFF, file[1] = 0xFF, file[2] = 0xFF, file[3] = 0x7F;  // 2 GB claimed
  IndependentEncoder::WriteFile(file);
  TScore::Init();
  EXPECT_EQ(TScore::ScoreList().Count(), 10u);
  file[3] = 0x80;  // negative
  IndependentEncoder::WriteFile(file);
  TScore::Init();
  EXPECT_TRUE(TScore::ScoreList().Empty());
}

TEST_F(HighscoreFileTest, RandomBytesLoadNothingAndNeverCrash) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<std::uint8_t> bytes(random() % 600);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    if (round % 2 && bytes.size() >= 4) bytes[3] = 0;  // a plausible length
    IndependentEncoder::WriteFile(bytes);
    TScore::Init();
    EXPECT_TRUE(TScore::ScoreList().Empty()) << round;
  }
}

TEST_F(HighscoreFileTest, AHugeFileIsReadOnlyAsFarAsAHighscoreFileCanReach) {
  auto file = TenEntryFile();
  file[0] = 0, file[1] = 0, file[2] = 0x40, file[3] = 0x06;  // 100 MB claimed
  IndependentEncoder::WriteFile(file);
  std::filesystem::resize_file("Highscore.txt", 100u << 20);  // 100 MB, zeros after the entries
  TScore::Init();
  EXPECT_EQ(TScore::ScoreList().Count(), 10u) << "the entries at its start still load";
}

}  // namespace
}  // namespace tolvex
