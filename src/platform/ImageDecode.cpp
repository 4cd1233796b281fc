// PNG and JPEG decoding into straight-alpha ARGB pictures. Broken or truncated
// data yields null: both decoders report errors instead of reading past the buffer.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/Image.h"

namespace tolvex {

namespace {

std::shared_ptr<Pixmap> DecodePng(std::span<const unsigned char> bytes) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return nullptr;
  image.format = PNG_FORMAT_BGRA;  // little-endian 0xAARRGGBB words
  auto pixmap = std::make_shared<Pixmap>(static_cast<int>(image.width), static_cast<int>(image.height));
  const bool ok = png_image_finish_read(&image, nullptr, pixmap->pixels.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok ? pixmap : nullptr;
}

struct JpegErrorTrap {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrorTrap*>(info->err)->jump, 1); }
void JpegSilence(j_common_ptr, int) {}

// Reads the scanlines into the picture; false on a decoding error.
bool ReadJpegRows(jpeg_decompress_struct& info, Pixmap& pixmap, std::vector<unsigned char>& row) {
  while (info.output_scanline < info.output_height) {
    unsigned char* rows[1] = {row.data()};
    const int y = static_cast<int>(info.output_scanline);
    if (jpeg_read_scanlines(&info, rows, 1) != 1) return false;
    for (int x = 0; x < pixmap.width; ++x) {
      const unsigned char* rgb = &row[static_cast<std::size_t>(x) * 3];
      pixmap.At(x, y) = 0xFF000000u | (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
    }
  }
  return true;
}

// Runs the decoder; any libjpeg error jumps back into DecodeJpeg. Everything
// this touches lives in memory the caller owns, so nothing is lost by the jump.
void RunJpegDecoder(jpeg_decompress_struct& info, std::span<const unsigned char> bytes,
                    std::shared_ptr<Pixmap>& pixmap, std::vector<unsigned char>& row) {
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  pixmap = std::make_shared<Pixmap>(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  row.resize(static_cast<std::size_t>(info.output_width) * 3);
  // A truncated file only warns and pads with grey: treat that as broken too.
  if (!ReadJpegRows(info, *pixmap, row) || info.err->num_warnings > 0) pixmap = nullptr;
  else jpeg_finish_decompress(&info);
}

// The landing place for libjpeg's errors; it holds no objects of its own, so
// the jump skips nothing that needs cleaning up.
bool DecodeJpegGuarded(jpeg_decompress_struct& info, JpegErrorTrap& trap, std::span<const unsigned char> bytes,
                       std::shared_ptr<Pixmap>& pixmap, std::vector<unsigned char>& row) {
  if (setjmp(trap.jump)) return false;
  RunJpegDecoder(info, bytes, pixmap, row);
  return true;
}

std::shared_ptr<Pixmap> DecodeJpeg(std::span<const unsigned char> bytes) {
  jpeg_decompress_struct info;
  JpegErrorTrap trap;
  info.err = jpeg_std_error(&trap.base);
  trap.base.error_exit = JpegFail;
  trap.base.emit_message = JpegSilence;
  std::shared_ptr<Pixmap> pixmap;
  std::vector<unsigned char> row;
  jpeg_create_decompress(&info);
  if (!DecodeJpegGuarded(info, trap, bytes, pixmap, row)) pixmap = nullptr;
  jpeg_destroy_decompress(&info);
  return pixmap;
}

bool StartsWith(std::span<const unsigned char> bytes, std::initializer_list<unsigned char> magic) {
  return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

}  // namespace

std::shared_ptr<Pixmap> DecodeImageFile(std::span<const unsigned char> bytes) {
  if (StartsWith(bytes, {0x89, 'P', 'N', 'G'})) return DecodePng(bytes);
  if (StartsWith(bytes, {0xFF, 0xD8})) return DecodeJpeg(bytes);
  return nullptr;
}

}  // namespace tolvex
