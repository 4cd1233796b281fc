#pragma once
// The gamepad as the game knows it: SDL's game-controller layer, whatever pad is plugged in, before
// the game starts or during play. Its sticks, triggers and buttons reach the input layer as events
// of their own (see Input.h); what they do in the game is the pad mapping's business.
#include <array>
#include <optional>
#include <string_view>

union SDL_Event;

namespace tolvex {

// The pad's axes, in SDL's order. Sticks run −32768..32767 (y grows downwards), triggers 0..32767.
enum class PadAxis : int { LeftX, LeftY, RightX, RightY, LeftTrigger, RightTrigger };
constexpr int kPadAxisCount = 6;

// The pad's buttons the game uses, in SDL's order (the stick clicks and the guide button are left out).
enum class PadButton : int {
  A, B, X, Y, Back, Start, LeftShoulder, RightShoulder, DpadUp, DpadDown, DpadLeft, DpadRight
};
constexpr int kPadButtonCount = 12;

// SDL's names ("lefty", "rightshoulder", ...), as input scripts and replays write them.
std::string_view PadAxisName(PadAxis axis);
std::string_view PadButtonName(PadButton button);
std::optional<PadAxis> PadAxisNamed(std::string_view name);
std::optional<PadButton> PadButtonNamed(std::string_view name);

// Starts SDL's game-controller layer, so pads plugged in now or later are opened as they appear.
void StartGamepads();
// Takes a controller event of SDL's queue (a pad added or removed, a stick, trigger or button) into
// the input state; false for any other event. A pad that goes away releases what it held.
bool HandleGamepadEvent(const SDL_Event& event);
// Hands the last position of every axis that moved since the last call to the input layer, so a
// frame gets at most one event per axis however often the pad reports.
void FlushGamepadAxes();
// Closes every pad (the game ends).
void StopGamepads();

}  // namespace tolvex
