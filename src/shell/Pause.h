#pragma once
// The pause. In the game P, or the pad's Start, stops everything that moves and starts it again,
// and the game stops by itself when its window loses the keyboard's focus. Meanwhile the world,
// the wreckage, the particles, the backdrops, the stage runner and the game's clock stand still,
// sound effects wait, "Paused" is shown and the system pointer is free to leave the window.
#include <nlohmann/json_fwd.hpp>

namespace tolvex {

bool GamePaused();
// Reads the frame's pause keys and focus losses, once its input has arrived and before anything
// else reads it. While paused, Escape gives the game up as it does in play, Left Alt takes a
// screenshot, and every other press is dropped: nothing pressed meanwhile acts when play goes on.
void UpdatePause();
// Ends a pause at once (the game is left, or the program ends).
void EndPause();
// "Paused" and how to go on, over the game.
void DrawPauseNotice();
// "paused": true in the state dump, while paused.
void DumpPause(nlohmann::json& dump);

}  // namespace tolvex
