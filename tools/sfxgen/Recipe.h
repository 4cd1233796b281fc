// The recipe book: one sound effect per entry, grouped by family.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Signal.h"
#include "Speech.h"

namespace tolvex::sfx {

// One sound effect: its file name in the "sfx" folder and how to make it.
struct SoundRecipe {
  std::string fileName;
  std::function<Signal()> make;
  // Played back to back by the game: its ends already meet at zero, so mastering leaves them be.
  bool loops = false;
};

// The gun sounds, from the player's quick double laser to the destructor.
std::vector<SoundRecipe> laserRecipes();

// The big rocket blast and the medium ship explosion.
std::vector<SoundRecipe> explosionRecipes();

// Rocket launch, kill pick-up chime and the stage chime.
std::vector<SoundRecipe> eventRecipes();

// The rocket alarm and the low hit-point alarm, both seamless loops.
std::vector<SoundRecipe> alarmRecipes();

// The multikill announcer lines, fanfare and laugh; spoken by `speech` when it is available.
std::vector<SoundRecipe> announcerRecipes(const Speech& speech);

}  // namespace tolvex::sfx
