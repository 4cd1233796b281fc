#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BuildPaths.h"
#include "ArtKit.h"

namespace tolvex::test {

// Full path of a generated file in the build's gfx folder.
inline std::string gfxPath(const std::string& name) {
    // Appended piece by piece: g++ 12 sees a false array overrun in `literal + "/" + name`.
    std::string path = TOLVEX_GFX_DIR;
    path += '/';
    path += name;
    return path;
}

// Decodes a generated PNG or JPEG.
inline art::Image loadGfx(const std::string& name) { return art::readImage(gfxPath(name)); }

// The raw bytes of any file.
inline std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Checks that a generated image has exactly this size.
inline void expectSize(const std::string& name, int width, int height) {
    const art::Image img = loadGfx(name);
    EXPECT_EQ(std::pair(img.width, img.height), std::pair(width, height)) << name;
}

// Alpha of pixel (x, y).
inline int alphaAt(const art::Image& img, int x, int y) { return img.at(x, y)[3]; }

}  // namespace tolvex::test
