#include "shell/PadControls.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/Globals.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "shell/Pause.h"
#include "world/TShip.h"

namespace tolvex {

namespace {

// Buttons as players of twin-stick shooters know them: the face buttons for the ship's own
// actions, the pad's cross for the four rockets, a shoulder to hold the heading, Start to pause.
constexpr std::array kFlying = {
    PadBinding{PadButton::A, LetterKey('E')},          PadBinding{PadButton::B, LetterKey('C')},
    PadBinding{PadButton::X, LetterKey('R')},          PadBinding{PadButton::Y, LetterKey('T')},
    PadBinding{PadButton::LeftShoulder, KEY_SPACE},    PadBinding{PadButton::RightShoulder, KEY_LALT},
    PadBinding{PadButton::DpadUp, KEY_0 + 1},          PadBinding{PadButton::DpadRight, KEY_0 + 2},
    PadBinding{PadButton::DpadDown, KEY_0 + 3},        PadBinding{PadButton::DpadLeft, KEY_0 + 4},
    PadBinding{PadButton::Start, LetterKey('P')},
};
// Giving up is kept for the pause, where a stray thumb on Back cannot end a game.
constexpr std::array kPaused = {
    PadBinding{PadButton::Start, LetterKey('P')},
    PadBinding{PadButton::Back, KEY_ESCAPE},
    PadBinding{PadButton::RightShoulder, KEY_LALT},
};
constexpr std::array kMenus = {
    PadBinding{PadButton::A, 0, 1},
    PadBinding{PadButton::DpadUp, KEY_UP},
    PadBinding{PadButton::DpadDown, KEY_DOWN},
    PadBinding{PadButton::RightShoulder, KEY_LALT},
};

// A stick whose lean beyond the dead zone covers the rest of its travel: 0 at the dead zone, 1 leaning fully.
struct Stick {
  float x = 0, y = 0;  // the direction, unit length (y grows downwards)
  float lean = 0;      // 0..1; 0 inside the dead zone
};

Stick ReadStick(PadAxis xAxis, PadAxis yAxis) {
  const float x = static_cast<float>(PadAxisValue(xAxis)), y = static_cast<float>(PadAxisValue(yAxis));
  const float length = std::sqrt(x * x + y * y);
  if (length <= kStickDeadZone) return {};
  const float lean = std::min(1.0f, (length - kStickDeadZone) / (32767.0f - kStickDeadZone));
  return {x / length, y / length, lean};
}

// The half-width of each of the stick's eight directions: leaning within 67.5° of straight up
// holds W; up and to the left, W and A.
const float kSideShare = std::sin(22.5f * 3.14159265f / 180.0f);

// What the triggers and the aim remember from frame to frame.
struct PadMemory {
  bool gunsPulled = false, rocketPulled = false;
  bool aiming = false;
  float aimX = 0, aimY = 0;  // the last direction the right stick showed
};

PadMemory& Memory() {
  static PadMemory memory;
  return memory;
}

// The triggers stand for the mouse buttons: the left one fires the guns, the right one a rocket.
// True when the trigger is pulled now; presses counts a pull that began this frame.
bool ReadTrigger(PadAxis axis, bool& pulled, int& presses) {
  const int value = PadAxisValue(axis);
  presses = 0;
  if (!pulled && value > kTriggerPulled) pulled = true, presses = 1;
  else if (pulled && value < kTriggerLetGo) pulled = false;
  return pulled;
}

void StandInButton(int mouseButton, bool held, int presses) {
  if (held) HoldStandInButton(mouseButton);
  for (int i = 0; i < presses; ++i) PressStandInButton(mouseButton);
}

void StandIn(const PadBinding& binding, bool held, int presses) {
  if (binding.key == 0) {
    StandInButton(binding.mouseButton, held, presses);
    return;
  }
  if (held) HoldStandInKey(binding.key);
  for (int i = 0; i < presses; ++i) PressStandInKey(binding.key);
}

void ApplyButtons(PadContext context) {
  const auto bindings = PadBindings(context);
  for (int index = 0; index < kPadButtonCount; ++index) {
    const auto button = static_cast<PadButton>(index);
    const int presses = PadButtonPressed(button);  // read everywhere, so no press waits for another place
    const auto binding = std::find_if(bindings.begin(), bindings.end(),
                                      [button](const PadBinding& b) { return b.button == button; });
    if (binding != bindings.end()) StandIn(*binding, PadButtonHeld(button), presses);
  }
}

void ApplyTriggers(PadContext context) {
  auto& memory = Memory();
  int gunPresses = 0, rocketPresses = 0;
  const bool guns = ReadTrigger(PadAxis::LeftTrigger, memory.gunsPulled, gunPresses);
  const bool rocket = ReadTrigger(PadAxis::RightTrigger, memory.rocketPulled, rocketPresses);
  if (context != PadContext::Flying) return;
  StandInButton(1, guns, gunPresses);
  StandInButton(2, rocket, rocketPresses);
}

// The left stick thrusts as W, A, S and D do (tilting the thrust as those keys do).
void ApplyThrust() {
  const Stick stick = ReadStick(PadAxis::LeftX, PadAxis::LeftY);
  if (stick.lean == 0) return;
  if (stick.y < -kSideShare) HoldStandInKey(LetterKey('W'));
  if (stick.y > kSideShare) HoldStandInKey(LetterKey('S'));
  if (stick.x < -kSideShare) HoldStandInKey(LetterKey('A'));
  if (stick.x > kSideShare) HoldStandInKey(LetterKey('D'));
}

void PlaceOnScreen(float x, float y) {
  PlacePointer(std::clamp(x, 0.0f, static_cast<float>(GfxWidth)), std::clamp(y, 0.0f, static_cast<float>(GfxHeight)));
}

// The right stick puts the pointer around the ship in its direction, and keeps it there after
// the stick is let go, until the mouse moves it.
void ApplyAim() {
  auto& memory = Memory();
  if (MouseMovedPointer()) memory.aiming = false;
  const Stick stick = ReadStick(PadAxis::RightX, PadAxis::RightY);
  if (stick.lean > 0) memory.aiming = true, memory.aimX = stick.x, memory.aimY = stick.y;
  if (!memory.aiming || !Player || Player->Dead) return;
  const float radius = 0.35f * static_cast<float>(GfxHeight);
  PlaceOnScreen(Player->X - CameraX + memory.aimX * radius, Player->Y - CameraY + memory.aimY * radius);
}

// In the menus either stick moves the pointer, faster the farther it leans.
void MovePointer() {
  constexpr float kPixelsPerSecond = 1000;
  Memory().aiming = false;
  const float seconds = static_cast<float>(FrameTime) / 1000.0f;
  float dx = 0, dy = 0;
  for (const auto& [x, y] : {std::pair{PadAxis::LeftX, PadAxis::LeftY}, std::pair{PadAxis::RightX, PadAxis::RightY}}) {
    const Stick stick = ReadStick(x, y);
    dx += stick.x * stick.lean * kPixelsPerSecond * seconds;
    dy += stick.y * stick.lean * kPixelsPerSecond * seconds;
  }
  if (dx != 0 || dy != 0) PlaceOnScreen(PointerX() + dx, PointerY() + dy);
}

}  // namespace

std::span<const PadBinding> PadBindings(PadContext context) {
  switch (context) {
    case PadContext::Flying: return kFlying;
    case PadContext::Paused: return kPaused;
    default: return kMenus;
  }
}

void ApplyPadControls() {
  ReleaseStandIns();
  const bool inGame = GameState == kStateGame;
  const PadContext context = !inGame ? PadContext::Menus : GamePaused() ? PadContext::Paused : PadContext::Flying;
  ApplyButtons(context);
  ApplyTriggers(context);
  if (!inGame) {
    MovePointer();
    return;
  }
  // The thrust is held through a pause, so it goes on as the game does.
  ApplyThrust();
  if (context == PadContext::Flying) ApplyAim();
}

void ResetPadControls() { Memory() = PadMemory{}; }

}  // namespace tolvex
