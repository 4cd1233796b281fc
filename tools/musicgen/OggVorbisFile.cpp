#include "musicgen/OggVorbisFile.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <fstream>

namespace tolvex::music {

namespace {

// The encoder's state, released in the right order whatever happens.
class Encoder {
 public:
  Encoder() {
    vorbis_info_init(&info_);
    vorbis_comment_init(&comment_);
  }
  ~Encoder() {
    if (streaming_) {
      ogg_stream_clear(&stream_);
      vorbis_block_clear(&block_);
      vorbis_dsp_clear(&dsp_);
    }
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  bool start(const std::string& title, std::uint32_t serial, std::ofstream& out) {
    if (vorbis_encode_init_vbr(&info_, 2, kSampleRate, kVorbisQuality) != 0) return false;
    vorbis_comment_add_tag(&comment_, "TITLE", title.c_str());
    vorbis_comment_add_tag(&comment_, "ALBUM", "Tolvex");
    vorbis_analysis_init(&dsp_, &info_);
    vorbis_block_init(&dsp_, &block_);
    ogg_stream_init(&stream_, static_cast<int>(serial));
    streaming_ = true;
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&dsp_, &comment_, &identification, &comments, &codebooks);
    ogg_stream_packetin(&stream_, &identification);
    ogg_stream_packetin(&stream_, &comments);
    ogg_stream_packetin(&stream_, &codebooks);
    // The headers get pages of their own, so the audio starts on a fresh page.
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0) writePage(page, out);
    return true;
  }

  // Hands `frames` samples from `first` on to the encoder (0 frames: the end of the song).
  void feed(const Stereo& song, std::size_t first, std::size_t frames, std::ofstream& out) {
    if (frames > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(frames));
      std::copy_n(song.left.begin() + static_cast<std::ptrdiff_t>(first), frames, buffer[0]);
      std::copy_n(song.right.begin() + static_cast<std::ptrdiff_t>(first), frames, buffer[1]);
    }
    vorbis_analysis_wrote(&dsp_, static_cast<int>(frames));
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
        ogg_stream_packetin(&stream_, &packet);
        while (ogg_stream_pageout(&stream_, &page) != 0) writePage(page, out);
      }
    }
    if (frames == 0) {
      while (ogg_stream_flush(&stream_, &page) != 0) writePage(page, out);
    }
  }

 private:
  static void writePage(const ogg_page& page, std::ofstream& out) {
    out.write(reinterpret_cast<const char*>(page.header), page.header_len);
    out.write(reinterpret_cast<const char*>(page.body), page.body_len);
  }

  vorbis_info info_;
  vorbis_comment comment_;
  vorbis_dsp_state dsp_{};
  vorbis_block block_{};
  ogg_stream_state stream_{};
  bool streaming_ = false;
};

}  // namespace

bool writeOggVorbis(const std::filesystem::path& path, const Stereo& song, const std::string& title,
                    std::uint32_t serial) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  Encoder encoder;
  if (!encoder.start(title, serial, out)) return false;
  constexpr std::size_t kChunk = 4096;
  for (std::size_t first = 0; first < song.frames(); first += kChunk) {
    encoder.feed(song, first, std::min(kChunk, song.frames() - first), out);
  }
  encoder.feed(song, song.frames(), 0, out);
  return static_cast<bool>(out.flush());
}

}  // namespace tolvex::music
