#pragma once

#include <string>

#include "Image.h"

namespace tolvex::art {

// Writes a straight-alpha RGBA PNG; the same pixels always give the same bytes.
void writePng(const std::string& path, const Image& image);

// Writes a baseline RGB JPEG (alpha dropped) at the given quality, full-resolution colour.
void writeJpeg(const std::string& path, const Image& image, int quality = 92);

// Reads a PNG or JPEG (chosen by the file's signature) as straight-alpha RGBA.
Image readImage(const std::string& path);

}  // namespace tolvex::art
