#pragma once

#include <cstdint>
#include <vector>

namespace tolvex::art {

// Straight-alpha RGBA8 pixels, rows top to bottom: what the files hold and the game loads.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    Image() = default;
    Image(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4, 0) {}

    // The four bytes of pixel (x, y).
    std::uint8_t* at(int x, int y) { return rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4; }
    const std::uint8_t* at(int x, int y) const {
        return rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
    }
};

}  // namespace tolvex::art
