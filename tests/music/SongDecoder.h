// Reads an Ogg Vorbis file back with libvorbisfile, as a player's decoder would.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "musicgen/Mix.h"

namespace tolvex::music {

// What the file says about itself, and its samples.
struct DecodedSong {
  int channels = 0;
  long rate = 0;
  long long declaredFrames = 0;  // the length the stream states
  std::string title;             // the TITLE comment
  Stereo samples;
};

// Nothing when the file cannot be opened as Ogg Vorbis.
std::optional<DecodedSong> decodeSong(const std::filesystem::path& path);

// The same file decoded to 16-bit samples: how many sit at full scale (clipped).
long clippedSamples(const std::filesystem::path& path);

}  // namespace tolvex::music
