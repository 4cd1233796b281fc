#pragma once
// The highscore file's cipher: a little-endian length, then the text in AES-128 blocks (ECB),
// the last block filled up with zero bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

using HighscoreKey = std::array<std::uint8_t, 16>;

// The 16 key bytes of a key text: its first 16 character codes, 0xFF where the text has ended.
HighscoreKey MakeHighscoreKey(std::string_view keyText);

// The file bytes for a plain text: 4 length bytes, then 16 · ceil(length / 16) enciphered bytes.
std::vector<std::uint8_t> EncipherHighscoreText(std::string_view plain, const HighscoreKey& key);

// The plain text of file bytes. A file cut short yields what its blocks hold (a partial last
// block counts its missing bytes as 0); a negative length or a file under 4 bytes yields nothing.
// The result is never longer than the file's blocks, whatever its length field claims.
std::string DecipherHighscoreFile(std::span<const std::uint8_t> file, const HighscoreKey& key);

}  // namespace tolvex
