#pragma once
// The three game states and the moves between them.
#include <cstdint>

namespace tolvex {

// Leaves the current state and enters the new one; installed as the game's state changer at start-up.
void ChangeGameState(std::uint8_t state);
// Begins a new game.
void StartGame();
// Draws the small pulsing corner logo centred at (x, y).
void DrawMenuLogo(int x, int y);
// Draws the current state's own layer (menus, panels, HUD) over the scene.
void DrawStateLayer();
// On the menu screens Left Alt saves a screenshot at once, menus included; called before the
// frame is shown, since a shown back buffer holds nothing reliable.
void TakeMenuScreenshotOnKey();
// Handles the current state's input after the frame is shown.
void ProcessStateInput();

}  // namespace tolvex
