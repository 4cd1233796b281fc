#include "WavFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>

namespace tolvex::sfx {
namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::size_t kHeaderBytes = 44;

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
  put16(out, static_cast<std::uint16_t>(value >> 16));
}

void putTag(std::vector<std::uint8_t>& out, std::string_view tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

std::uint32_t get16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t get32(std::span<const std::uint8_t> b, std::size_t at) {
  return get16(b, at) | (get16(b, at + 2) << 16);
}

bool hasTag(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
  return at + 4 <= b.size() && std::equal(tag.begin(), tag.end(), b.begin() + static_cast<long>(at));
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const WavData& wav) {
  const auto dataBytes = static_cast<std::uint32_t>(wav.samples.size() * 2);
  const auto blockAlign = static_cast<std::uint16_t>(wav.channels * 2);
  std::vector<std::uint8_t> out;
  out.reserve(kHeaderBytes + dataBytes);
  putTag(out, "RIFF");
  put32(out, 36 + dataBytes);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  put32(out, 16);
  put16(out, kPcmFormat);
  put16(out, static_cast<std::uint16_t>(wav.channels));
  put32(out, static_cast<std::uint32_t>(wav.sampleRate));
  put32(out, static_cast<std::uint32_t>(wav.sampleRate) * blockAlign);
  put16(out, blockAlign);
  put16(out, kBitsPerSample);
  putTag(out, "data");
  put32(out, dataBytes);
  for (std::int16_t sample : wav.samples) put16(out, static_cast<std::uint16_t>(sample));
  return out;
}

std::optional<WavData> decodeWav(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 12 || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE")) return std::nullopt;
  WavData wav;
  bool haveFormat = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::size_t size = get32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (hasTag(bytes, at, "fmt ")) {
      if (size < 16 || body + 16 > bytes.size()) return std::nullopt;
      if (get16(bytes, body) != kPcmFormat || get16(bytes, body + 14) != kBitsPerSample) return std::nullopt;
      wav.channels = static_cast<int>(get16(bytes, body + 2));
      wav.sampleRate = static_cast<int>(get32(bytes, body + 4));
      haveFormat = wav.channels > 0 && wav.sampleRate > 0;
    } else if (hasTag(bytes, at, "data")) {
      if (!haveFormat) return std::nullopt;
      const std::size_t count = std::min(size, bytes.size() - body) / 2;
      wav.samples.resize(count);
      for (std::size_t i = 0; i < count; ++i) {
        wav.samples[i] = static_cast<std::int16_t>(get16(bytes, body + 2 * i));
      }
      return wav;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

bool writeWav(const std::filesystem::path& path, const WavData& wav) {
  const std::vector<std::uint8_t> bytes = encodeWav(wav);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

std::optional<WavData> readWav(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return decodeWav(bytes);
}

}  // namespace tolvex::sfx
