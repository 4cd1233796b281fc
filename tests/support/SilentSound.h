#pragma once
// Ten seconds of silence written as a WAV file and loaded as a sound effect: long enough to still be
// playing while a test looks at its channel, even on a loaded machine under the sanitizers (one
// second was not). Needs the audio device open.
#include <cstdint>
#include <fstream>
#include <string>

#include "platform/Sound.h"

namespace tolvex::test {

inline SoundPtr SilentSound(const std::string& path) {
  const std::uint32_t rate = 22050, bytes = rate * 2 * 10;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + bytes);
  out << "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
  out << "data";
  u32(bytes);
  out << std::string(bytes, '\0');
  out.close();
  return LoadSound(path);
}

}  // namespace tolvex::test
