#pragma once
// What the world asks of the shell above it: a change of game state, a screenshot of this frame.
#include <cstdint>

namespace tolvex {

// Carries out a change of game state; the shell installs its own at start-up.
using GameStateChanger = void (*)(std::uint8_t state);

// Installs the shell's state changer; null leaves only the state number set.
void SetGameStateChanger(GameStateChanger changer);
// Leaves the current state and enters the new one (a player's death enters the highscore screen).
void SetGameState(std::uint8_t state);
// Asks for a screenshot of this frame before the interface is drawn.
void RequestScreenshot();

}  // namespace tolvex
