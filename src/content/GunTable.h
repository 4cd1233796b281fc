#pragma once
// The 25 gun types of the game.

namespace tolvex {

// Creates every gun type in table order, then logs how many there are.
void CreateGunTable();

// Off by default: the start-up writes "Waffeninfo.txt" only when this is switched on.
inline constexpr bool kWriteGunWorthReport = false;

}  // namespace tolvex
