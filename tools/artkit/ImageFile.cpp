#include "ImageFile.h"

#include <png.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace tolvex::art {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openFile(const std::string& path, const char* mode) {
    FilePtr f(std::fopen(path.c_str(), mode));
    if (!f) throw std::runtime_error("cannot open " + path);
    return f;
}

Image readPng(const std::string& path) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) throw std::runtime_error("bad PNG " + path);
    png.format = PNG_FORMAT_RGBA;
    Image image(static_cast<int>(png.width), static_cast<int>(png.height));
    if (!png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr)) {
        png_image_free(&png);
        throw std::runtime_error("bad PNG " + path);
    }
    return image;
}

Image readJpeg(const std::string& path) {
    FilePtr file = openFile(path, "rb");
    jpeg_decompress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    Image image(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width) * 3);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < image.width; ++x) {
            std::uint8_t* p = image.at(x, y);
            std::memcpy(p, &row[x * 3], 3);
            p[3] = 255;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

}  // namespace

void writePng(const std::string& path, const Image& image) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&png, path.c_str(), 0, image.rgba.data(), 0, nullptr))
        throw std::runtime_error("cannot write " + path);
}

void writeJpeg(const std::string& path, const Image& image, int quality) {
    FilePtr file = openFile(path, "wb");
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    for (int c = 0; c < info.num_components; ++c) {  // no chroma subsampling: nebula colour stays crisp
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < image.width; ++x) std::memcpy(&row[x * 3], image.at(x, y), 3);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
}

Image readImage(const std::string& path) {
    FilePtr file = openFile(path, "rb");
    unsigned char sig[2] = {0, 0};
    const std::size_t got = std::fread(sig, 1, 2, file.get());
    file.reset();
    if (got == 2 && sig[0] == 0xff && sig[1] == 0xd8) return readJpeg(path);
    return readPng(path);
}

}  // namespace tolvex::art
