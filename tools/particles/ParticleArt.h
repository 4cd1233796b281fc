#pragma once

#include <string>

namespace tolvex::art {

// The seven 256 x 1 colour-over-life ramps: near white at birth, dark and transparent at column 255.
void writeGradients(const std::string& dir);

// The rocket exhaust strokes RSchweif0/1 (hanging from (5, 0)) and the plasma flame RSchweif3.
void writeExhaust(const std::string& dir);

// The impact flashes lexplo1 (rayed flash) and lexplo2 (flash with a shock ring).
void writeFlashes(const std::string& dir);

// sprite_smoke1: a soft greyscale puff the gradients colour.
void writeSmoke(const std::string& dir);

// funken1: a small burst of bright spark streaks.
void writeSparks(const std::string& dir);

}  // namespace tolvex::art
