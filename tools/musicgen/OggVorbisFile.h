// Writes a song as an Ogg Vorbis file: 44.1 kHz stereo, variable bit rate, with a fixed stream
// serial number and nothing taken from the clock, so the same song gives the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "musicgen/Mix.h"

namespace tolvex::music {

// The encoder's quality, -0.1 .. 1 (0.4 is about 128 kbit/s).
inline constexpr float kVorbisQuality = 0.4f;

// False when the file cannot be written or the encoder refuses.
bool writeOggVorbis(const std::filesystem::path& path, const Stereo& song, const std::string& title,
                    std::uint32_t serial);

}  // namespace tolvex::music
