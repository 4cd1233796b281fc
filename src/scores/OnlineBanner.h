#pragma once
// The notice shown while the game waits for the highscore server.
#include <string_view>

namespace tolvex {

// Draws the text in a dark box in the middle of the back buffer and shows it at once, so the
// player sees why the game stands still. Does nothing before the screen is open.
void ShowOnlineBanner(std::string_view text);

}  // namespace tolvex
