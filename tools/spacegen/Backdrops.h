#pragma once

#include <string>

namespace tolvex::art {

// The five deep-space backdrops BG.jpg, BG2.png, BG3.jpg, BG4.jpg, BG5.jpg, each tiling seamlessly.
void writeBackdrops(const std::string& dir);

}  // namespace tolvex::art
