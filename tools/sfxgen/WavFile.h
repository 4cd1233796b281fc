// RIFF/WAVE files of 16-bit PCM: what SDL_mixer loads and what espeak-ng speaks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace tolvex::sfx {

// The samples of a 16-bit PCM WAV file (channels interleaved).
struct WavData {
  int sampleRate = 0;
  int channels = 0;
  std::vector<std::int16_t> samples;
};

// A complete file image: the 44-byte RIFF header ("fmt " and "data" chunks), then the samples.
std::vector<std::uint8_t> encodeWav(const WavData& wav);

// Reads a 16-bit PCM WAV image; skips chunks it does not need and, as streamed files (espeak-ng
// writing to a pipe) carry placeholder sizes, trusts the bytes present over the "data" size.
// Anything else (not RIFF/WAVE, compressed, other sample widths, no data) gives nothing.
std::optional<WavData> decodeWav(std::span<const std::uint8_t> bytes);

// Writes the file image of `wav` to `path`; false if the file could not be written.
bool writeWav(const std::filesystem::path& path, const WavData& wav);

// Reads and decodes the WAV file at `path`.
std::optional<WavData> readWav(const std::filesystem::path& path);

}  // namespace tolvex::sfx
