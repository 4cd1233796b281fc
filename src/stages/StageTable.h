#pragma once
// The run of the game: the menu stage, ten stages, ten bonus stages and how they lead on.

namespace tolvex {

// Builds the 21 stages into Levels; needs the ship table and the ambients.
void CreateStageTable();

}  // namespace tolvex
