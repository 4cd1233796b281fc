#include "scores/HighscoreCipher.h"

#include <nettle/aes.h>

#include <algorithm>

namespace tolvex {

namespace {

constexpr std::size_t kBlock = AES_BLOCK_SIZE;
constexpr std::size_t kLengthBytes = 4;

void PutLength(std::vector<std::uint8_t>& out, std::uint32_t length) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(length >> shift));
}

std::int32_t ReadLength(std::span<const std::uint8_t> file) {
  std::uint32_t length = 0;
  for (std::size_t i = 0; i < kLengthBytes; ++i) length |= static_cast<std::uint32_t>(file[i]) << (8 * i);
  return static_cast<std::int32_t>(length);
}

}  // namespace

HighscoreKey MakeHighscoreKey(std::string_view keyText) {
  HighscoreKey key;
  key.fill(0xFF);
  for (std::size_t i = 0; i < key.size() && i < keyText.size(); ++i) key[i] = static_cast<std::uint8_t>(keyText[i]);
  return key;
}

std::vector<std::uint8_t> EncipherHighscoreText(std::string_view plain, const HighscoreKey& key) {
  aes128_ctx context;
  aes128_set_encrypt_key(&context, key.data());
  const std::size_t blocks = (plain.size() + kBlock - 1) / kBlock;
  std::vector<std::uint8_t> out;
  out.reserve(kLengthBytes + blocks * kBlock);
  PutLength(out, static_cast<std::uint32_t>(plain.size()));
  std::array<std::uint8_t, kBlock> block;
  for (std::size_t b = 0; b < blocks; ++b) {
    block.fill(0);
    const std::size_t start = b * kBlock;
    std::copy_n(plain.data() + start, std::min(kBlock, plain.size() - start), block.data());
    out.resize(out.size() + kBlock);
    aes128_encrypt(&context, kBlock, out.data() + out.size() - kBlock, block.data());
  }
  return out;
}

std::string DecipherHighscoreFile(std::span<const std::uint8_t> file, const HighscoreKey& key) {
  if (file.size() < kLengthBytes) return {};
  const std::int32_t length = ReadLength(file);
  if (length <= 0) return {};
  const std::span<const std::uint8_t> body = file.subspan(kLengthBytes);
  const std::size_t blocks = (body.size() + kBlock - 1) / kBlock;
  const std::size_t wanted = std::min(static_cast<std::size_t>(length), blocks * kBlock);
  aes128_ctx context;
  aes128_set_decrypt_key(&context, key.data());
  std::string plain(wanted, '\0');
  std::array<std::uint8_t, kBlock> in, out;
  for (std::size_t start = 0; start < wanted; start += kBlock) {
    in.fill(0);
    std::copy_n(body.data() + start, std::min(kBlock, body.size() - start), in.data());
    aes128_decrypt(&context, kBlock, out.data(), in.data());
    std::copy_n(out.data(), std::min(kBlock, wanted - start), plain.data() + start);
  }
  return plain;
}

}  // namespace tolvex
