// The Ogg Vorbis writer: the same song gives the same bytes, with the stream's serial number
// and title, and a decoder reads back exactly the frames written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "SongDecoder.h"
#include "musicgen/Arranger.h"
#include "musicgen/Master.h"
#include "musicgen/OggVorbisFile.h"
#include "support/TempFolder.h"

namespace tolvex::music {
namespace {

class OggFileTest : public ::testing::Test {
 protected:
  std::filesystem::path File(const std::string& name) const { return folder_.Path() / name; }
  static std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  test::TempFolder folder_;
};

TEST_F(OggFileTest, TheSameSongGivesTheSameBytes) {
  const SongPlan& plan = shippedSongs().front();
  ASSERT_TRUE(writeOggVorbis(File("a.ogg"), renderSong(plan, 2), plan.title, plan.serial));
  ASSERT_TRUE(writeOggVorbis(File("b.ogg"), renderSong(plan, 2), plan.title, plan.serial));
  const std::string a = Bytes(File("a.ogg")), b = Bytes(File("b.ogg"));
  ASSERT_GT(a.size(), 1000u);
  EXPECT_TRUE(a == b) << "two renders differ";
  // The first page's header carries the stream serial number at bytes 14..17, little-endian.
  ASSERT_EQ(a.substr(0, 4), "OggS");
  const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(a[i])); };
  EXPECT_EQ(byte(14) | byte(15) << 8 | byte(16) << 16 | byte(17) << 24, plan.serial);
}

TEST_F(OggFileTest, ADecoderReadsBackTheFramesTitleAndLevel) {
  const SongPlan& plan = shippedSongs().back();
  const Stereo song = renderSong(plan, 2);
  ASSERT_TRUE(writeOggVorbis(File("song.ogg"), song, plan.title, plan.serial));
  const auto decoded = decodeSong(File("song.ogg"));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->channels, 2);
  EXPECT_EQ(decoded->rate, 44100);
  EXPECT_EQ(decoded->declaredFrames, static_cast<long long>(song.frames()));
  EXPECT_EQ(decoded->samples.frames(), song.frames());
  EXPECT_EQ(decoded->title, plan.title);
  EXPECT_NEAR(rmsDb(decoded->samples), rmsDb(song), 0.5);
}

TEST_F(OggFileTest, AFolderThatCannotBeWrittenIsReported) {
  EXPECT_FALSE(writeOggVorbis(File("missing/x.ogg"), Stereo(100), "x", 1));
}

}  // namespace
}  // namespace tolvex::music
