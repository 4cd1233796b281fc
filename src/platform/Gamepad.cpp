#include "platform/Gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <bitset>
#include <utility>
#include <vector>

#include "platform/Input.h"

namespace tolvex {

namespace {

constexpr std::array<std::string_view, kPadAxisCount> kAxisNames = {"leftx",  "lefty",       "rightx",
                                                                     "righty", "lefttrigger", "righttrigger"};
constexpr std::array<std::string_view, kPadButtonCount> kButtonNames = {
    "a", "b", "x", "y", "back", "start", "leftshoulder", "rightshoulder", "dpup", "dpdown", "dpleft", "dpright"};
// SDL's numbers of the game's buttons, in the game's order.
constexpr std::array<SDL_GameControllerButton, kPadButtonCount> kSdlButtons = {
    SDL_CONTROLLER_BUTTON_A,          SDL_CONTROLLER_BUTTON_B,           SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,          SDL_CONTROLLER_BUTTON_BACK,        SDL_CONTROLLER_BUTTON_START,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN,  SDL_CONTROLLER_BUTTON_DPAD_LEFT,   SDL_CONTROLLER_BUTTON_DPAD_RIGHT};

// Axes are read to 1/256 of their travel (steps of 256): finer than a hand aims, and a stick whose
// reading trembles in its last bits does not fill a replay with events.
constexpr int kAxisStep = 256;

// An open pad and what it holds, so that unplugging it lets go of exactly that.
struct OpenPad {
  SDL_JoystickID id = -1;
  SDL_GameController* controller = nullptr;
  std::bitset<kPadButtonCount> held;
  std::bitset<kPadAxisCount> moved;  // off its rest
};

struct Pads {
  std::vector<OpenPad> open;
  // The last position each axis reported since the last flush.
  std::array<std::optional<int>, kPadAxisCount> pending;
};

Pads& ThePads() {
  static Pads pads;
  return pads;
}

OpenPad* Find(SDL_JoystickID id) {
  auto& open = ThePads().open;
  const auto pad = std::find_if(open.begin(), open.end(), [id](const OpenPad& p) { return p.id == id; });
  return pad == open.end() ? nullptr : &*pad;
}

void Open(int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (!controller) return;
  const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  // A pad present at start-up may be announced twice; SDL counts the second open, so close it again.
  if (Find(id)) {
    SDL_GameControllerClose(controller);
    return;
  }
  ThePads().open.push_back({id, controller, {}, {}});
}

void Close(SDL_JoystickID id) {
  OpenPad* pad = Find(id);
  if (!pad) return;
  for (int button = 0; button < kPadButtonCount; ++button) {
    if (pad->held[button]) FeedPadButton(static_cast<PadButton>(button), false);
  }
  for (int axis = 0; axis < kPadAxisCount; ++axis) {
    if (pad->moved[axis]) ThePads().pending[axis] = 0;
  }
  SDL_GameControllerClose(pad->controller);
  auto& open = ThePads().open;
  open.erase(open.begin() + (pad - open.data()));
}

void Move(const SDL_ControllerAxisEvent& event) {
  OpenPad* pad = Find(event.which);
  if (!pad || event.axis >= kPadAxisCount) return;
  const int value = event.value / kAxisStep * kAxisStep;
  pad->moved[event.axis] = value != 0;
  ThePads().pending[event.axis] = value;
}

void Press(const SDL_ControllerButtonEvent& event, bool down) {
  OpenPad* pad = Find(event.which);
  const auto known = std::find(kSdlButtons.begin(), kSdlButtons.end(), event.button);
  if (!pad || known == kSdlButtons.end()) return;
  const auto button = static_cast<int>(known - kSdlButtons.begin());
  pad->held[button] = down;
  FeedPadButton(static_cast<PadButton>(button), down);
}

template <typename Name, std::size_t N>
std::optional<Name> Named(const std::array<std::string_view, N>& names, std::string_view name) {
  const auto found = std::find(names.begin(), names.end(), name);
  if (found == names.end()) return std::nullopt;
  return static_cast<Name>(found - names.begin());
}

}  // namespace

std::string_view PadAxisName(PadAxis axis) { return kAxisNames[static_cast<std::size_t>(axis)]; }
std::string_view PadButtonName(PadButton button) { return kButtonNames[static_cast<std::size_t>(button)]; }
std::optional<PadAxis> PadAxisNamed(std::string_view name) { return Named<PadAxis>(kAxisNames, name); }
std::optional<PadButton> PadButtonNamed(std::string_view name) { return Named<PadButton>(kButtonNames, name); }

void StartGamepads() { SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER); }

bool HandleGamepadEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: Open(event.cdevice.which); return true;
    case SDL_CONTROLLERDEVICEREMOVED: Close(event.cdevice.which); return true;
    case SDL_CONTROLLERAXISMOTION: Move(event.caxis); return true;
    case SDL_CONTROLLERBUTTONDOWN: Press(event.cbutton, true); return true;
    case SDL_CONTROLLERBUTTONUP: Press(event.cbutton, false); return true;
    default: return false;
  }
}

void FlushGamepadAxes() {
  auto& pending = ThePads().pending;
  for (int axis = 0; axis < kPadAxisCount; ++axis) {
    const auto value = std::exchange(pending[axis], std::nullopt);
    if (value && *value != PadAxisValue(static_cast<PadAxis>(axis))) FeedPadAxis(static_cast<PadAxis>(axis), *value);
  }
}

void StopGamepads() {
  auto& pads = ThePads();
  for (const OpenPad& pad : pads.open) SDL_GameControllerClose(pad.controller);
  pads = Pads{};
  if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace tolvex
