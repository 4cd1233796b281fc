#include "SongDecoder.h"

#include <vorbis/vorbisfile.h>

#include <cstring>

namespace tolvex::music {

namespace {

// An open Ogg Vorbis file, closed with it.
class VorbisReader {
 public:
  explicit VorbisReader(const std::filesystem::path& path) : open_(ov_fopen(path.c_str(), &file_) == 0) {}
  ~VorbisReader() {
    if (open_) ov_clear(&file_);
  }
  VorbisReader(const VorbisReader&) = delete;
  VorbisReader& operator=(const VorbisReader&) = delete;
  bool open() const { return open_; }
  OggVorbis_File* get() { return &file_; }

 private:
  OggVorbis_File file_{};
  bool open_;
};

}  // namespace

std::optional<DecodedSong> decodeSong(const std::filesystem::path& path) {
  VorbisReader file(path);
  if (!file.open()) return std::nullopt;
  DecodedSong song;
  const vorbis_info* info = ov_info(file.get(), -1);
  song.channels = info->channels;
  song.rate = info->rate;
  song.declaredFrames = ov_pcm_total(file.get(), -1);
  if (const char* title = vorbis_comment_query(ov_comment(file.get(), -1), "TITLE", 0)) song.title = title;
  int section = 0;
  float** pcm = nullptr;
  long frames = 0;
  while ((frames = ov_read_float(file.get(), &pcm, 4096, &section)) > 0) {
    song.samples.left.insert(song.samples.left.end(), pcm[0], pcm[0] + frames);
    song.samples.right.insert(song.samples.right.end(), pcm[song.channels > 1 ? 1 : 0],
                              pcm[song.channels > 1 ? 1 : 0] + frames);
  }
  return song;
}

long clippedSamples(const std::filesystem::path& path) {
  VorbisReader file(path);
  if (!file.open()) return -1;
  long clipped = 0;
  char buffer[8192];
  int section = 0;
  long bytes = 0;
  while ((bytes = ov_read(file.get(), buffer, sizeof buffer, 0, 2, 1, &section)) > 0) {
    for (long i = 0; i + 1 < bytes; i += 2) {
      std::int16_t sample = 0;
      std::memcpy(&sample, buffer + i, 2);
      if (sample >= 32767 || sample <= -32767) ++clipped;
    }
  }
  return clipped;
}

}  // namespace tolvex::music
