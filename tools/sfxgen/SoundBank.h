// Every sound effect of the game, and how a raw recipe becomes the final file.
#pragma once

#include <vector>

#include "Recipe.h"
#include "WavFile.h"

namespace tolvex::sfx {

// All recipes, every file name of the "sfx" folder exactly once.
std::vector<SoundRecipe> allRecipes(const Speech& speech);

// Makes the sound and masters it: one-shots lose inaudible lead-ins and tails and DC and get
// click-free edges, every sound is
// normalised to kTargetPeakDb and rounded to 16-bit mono at kSampleRate.
WavData render(const SoundRecipe& recipe);

}  // namespace tolvex::sfx
