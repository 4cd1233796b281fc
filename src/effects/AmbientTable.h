#pragma once
// The six space backdrops built at start-up; each stage names one by index.
#include <array>

#include "effects/TAmbient.h"

namespace tolvex {

constexpr int kAmbientCount = 6;
extern std::array<TAmbientPtr, kAmbientCount> Ambients;

// Builds the six ambients for the current screen size (planets are placed relative to it).
void CreateAmbients();

}  // namespace tolvex
