#include "platform/Input.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <deque>
#include <utility>
#include <vector>

#include "platform/Gamepad.h"
#include "platform/Graphics.h"
#include "platform/Keys.h"

namespace tolvex {

namespace {

struct InputState {
  std::array<int, kKeyCount> presses{};
  std::array<bool, kKeyCount> held{};
  std::array<int, 4> buttonPresses{};
  std::array<bool, 4> buttonHeld{};
  std::deque<int> typed;
  // Keys and mouse buttons the pad holds through its mapping.
  std::array<bool, kKeyCount> standInHeld{};
  std::array<bool, 4> standInButtonHeld{};
  std::array<int, kPadAxisCount> padAxes{};
  std::array<bool, kPadButtonCount> padHeld{};
  std::array<int, kPadButtonCount> padPresses{};
  int focusLosses = 0;
  float pointerX = 0, pointerY = 0;
  bool mouseMoved = false;
  bool closeRequested = false;
  bool windowInputIgnored = false;
  InputListener listener;
  std::vector<SDL_Event> collected;  // taken from SDL's queue, not handled yet
};

InputState& State() {
  static InputState state;
  return state;
}

bool ValidKey(int key) { return key > 0 && key < kKeyCount; }
bool ValidButton(int button) { return button >= 1 && button <= 3; }

// The virtual-key number of an SDL key; 0 for keys the game does not know.
int VirtualKeyOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return KEY_A + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return KEY_0 + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return KEY_F1 + (key - SDLK_F1);
  switch (key) {
    case SDLK_BACKSPACE: return KEY_BACKSPACE;
    case SDLK_TAB: return KEY_TAB;
    case SDLK_RETURN: case SDLK_KP_ENTER: return KEY_ENTER;
    case SDLK_ESCAPE: return KEY_ESCAPE;
    case SDLK_SPACE: return KEY_SPACE;
    case SDLK_PAGEUP: return KEY_PAGEUP;
    case SDLK_PAGEDOWN: return KEY_PAGEDOWN;
    case SDLK_END: return KEY_END;
    case SDLK_HOME: return KEY_HOME;
    case SDLK_LEFT: return KEY_LEFT;
    case SDLK_UP: return KEY_UP;
    case SDLK_RIGHT: return KEY_RIGHT;
    case SDLK_DOWN: return KEY_DOWN;
    case SDLK_INSERT: return KEY_INSERT;
    case SDLK_DELETE: return KEY_DELETE;
    case SDLK_LSHIFT: return KEY_LSHIFT;
    case SDLK_RSHIFT: return KEY_RSHIFT;
    case SDLK_LCTRL: return KEY_LCONTROL;
    case SDLK_RCTRL: return KEY_RCONTROL;
    case SDLK_LALT: return KEY_LALT;
    case SDLK_RALT: return KEY_RALT;
    default: return 0;
  }
}

void Tell(const InputEvent& event) {
  if (const auto& listener = State().listener) listener(event);
}

bool IsFullScreenKey(const SDL_Event& event) {
  return (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) && event.key.keysym.sym == SDLK_F11;
}

void HandleEvent(const SDL_Event& event) {
  if (event.type == SDL_QUIT) FeedCloseRequest();
  // F11 belongs to the window, not to the game: it works while a replay plays, and a replay
  // never carries it.
  if (IsFullScreenKey(event)) {
    if (event.type == SDL_KEYDOWN && !event.key.repeat) ToggleFullScreen();
    return;
  }
  if (State().windowInputIgnored || HandleGamepadEvent(event)) return;
  switch (event.type) {
    case SDL_KEYDOWN:
      if (!event.key.repeat) FeedKey(VirtualKeyOf(event.key.keysym.sym), true);
      // Held Backspace keeps deleting while typing, without counting as new presses.
      else if (event.key.keysym.sym == SDLK_BACKSPACE) FeedText("\b");
      break;
    case SDL_KEYUP: FeedKey(VirtualKeyOf(event.key.keysym.sym), false); break;
    case SDL_TEXTINPUT: FeedText(event.text.text); break;
    case SDL_MOUSEMOTION: {
      float x = static_cast<float>(event.motion.x), y = static_cast<float>(event.motion.y);
      WindowPointToScreen(x, y);
      FeedMouseMove(x, y);
      break;
    }
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) FeedFocusLost();
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      // SDL numbers left, middle, right; the game numbers left, right, middle.
      const int button = event.button.button == SDL_BUTTON_RIGHT ? 2 : event.button.button == SDL_BUTTON_MIDDLE ? 3 : 1;
      FeedButton(button, event.type == SDL_MOUSEBUTTONDOWN);
      break;
    }
    default: break;
  }
}

}  // namespace

int KeyPressed(int key) {
  if (!ValidKey(key)) return 0;
  return std::exchange(State().presses[key], 0);
}

int KeyPressesWaiting(int key) { return ValidKey(key) ? State().presses[key] : 0; }

bool KeyHeld(int key) { return ValidKey(key) && (State().held[key] || State().standInHeld[key]); }

void ClearKeyPresses() {
  auto& s = State();
  s.presses.fill(0);
  s.buttonPresses.fill(0);
  s.padPresses.fill(0);
  s.typed.clear();
}

int NextTypedChar() {
  auto& typed = State().typed;
  if (typed.empty()) return 0;
  const int code = typed.front();
  typed.pop_front();
  return code;
}

float PointerX() { return State().pointerX; }
float PointerY() { return State().pointerY; }

void MoveMouse(float x, float y) {
  State().pointerX = x, State().pointerY = y;
  if (SDL_Window* window = SDL_GetMouseFocus()) {
    ScreenPointToWindow(x, y);
    SDL_WarpMouseInWindow(window, static_cast<int>(x), static_cast<int>(y));
  }
}

int ButtonPressed(int button) {
  if (!ValidButton(button)) return 0;
  return std::exchange(State().buttonPresses[button], 0);
}

bool ButtonHeld(int button) {
  return ValidButton(button) && (State().buttonHeld[button] || State().standInButtonHeld[button]);
}

bool CloseRequested() { return State().closeRequested; }

int PadAxisValue(PadAxis axis) { return State().padAxes[static_cast<int>(axis)]; }
bool PadButtonHeld(PadButton button) { return State().padHeld[static_cast<int>(button)]; }
int PadButtonPressed(PadButton button) { return std::exchange(State().padPresses[static_cast<int>(button)], 0); }
int FocusLosses() { return std::exchange(State().focusLosses, 0); }

void PumpEvents(bool fromWindow) {
  std::vector<SDL_Event>& collected = State().collected;
  for (const SDL_Event& event : collected) HandleEvent(event);
  collected.clear();
  SDL_Event event;
  while (fromWindow && SDL_PollEvent(&event)) HandleEvent(event);
  if (!State().windowInputIgnored) FlushGamepadAxes();
}

void CollectEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) State().collected.push_back(event);
}

void SetInputListener(InputListener listener) { State().listener = std::move(listener); }

void IgnoreWindowInput(bool ignore) { State().windowInputIgnored = ignore; }

std::vector<InputEvent> HeldInput() {
  const auto& s = State();
  std::vector<InputEvent> held;
  held.push_back(InputEvent::OfMouse(s.pointerX, s.pointerY));
  for (int key = 1; key < kKeyCount; ++key)
    if (s.held[key]) held.push_back(InputEvent::OfKey(key, true));
  for (int button = 1; button <= 3; ++button)
    if (s.buttonHeld[button]) held.push_back(InputEvent::OfButton(button, true));
  for (int axis = 0; axis < kPadAxisCount; ++axis)
    if (s.padAxes[axis] != 0) held.push_back(InputEvent::OfPadAxis(static_cast<PadAxis>(axis), s.padAxes[axis]));
  for (int button = 0; button < kPadButtonCount; ++button)
    if (s.padHeld[button]) held.push_back(InputEvent::OfPadButton(static_cast<PadButton>(button), true));
  return held;
}

void FeedEvent(const InputEvent& event) {
  switch (event.type) {
    case InputEvent::Type::Key: FeedKey(event.code, event.down); break;
    case InputEvent::Type::Button: FeedButton(event.code, event.down); break;
    case InputEvent::Type::Mouse: FeedMouseMove(event.x, event.y); break;
    case InputEvent::Type::Text: FeedText(event.text); break;
    case InputEvent::Type::PadAxis: FeedPadAxis(static_cast<PadAxis>(event.code), event.value); break;
    case InputEvent::Type::PadButton: FeedPadButton(static_cast<PadButton>(event.code), event.down); break;
    case InputEvent::Type::FocusLost: FeedFocusLost(); break;
  }
}

void FeedKey(int key, bool down) {
  if (!ValidKey(key)) return;
  Tell(InputEvent::OfKey(key, down));
  auto& s = State();
  if (down) ++s.presses[key];
  s.held[key] = down;
  // Backspace and Enter also arrive as typed characters (8 and 13), as text editing expects.
  if (down && (key == KEY_BACKSPACE || key == KEY_ENTER)) s.typed.push_back(key);
}

void FeedButton(int button, bool down) {
  if (!ValidButton(button)) return;
  Tell(InputEvent::OfButton(button, down));
  auto& s = State();
  if (down) ++s.buttonPresses[button];
  s.buttonHeld[button] = down;
}

void FeedMouseMove(float x, float y) {
  Tell(InputEvent::OfMouse(x, y));
  auto& s = State();
  // A move to where the pointer already is moves nothing (and a recording leaves it out).
  if (x != s.pointerX || y != s.pointerY) s.mouseMoved = true;
  s.pointerX = x, s.pointerY = y;
}

void FeedText(std::string_view utf8) {
  if (utf8.empty()) return;
  Tell(InputEvent::OfText(std::string(utf8)));
  // Decode UTF-8; the game's text is Latin-1, so code points above 255 are dropped.
  auto& typed = State().typed;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 1;
    if (length == 2 && i + 1 < utf8.size()) {
      const int code = ((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F);
      if (code <= 255) typed.push_back(code);
    } else if (length == 1 && lead < 0x80) {
      typed.push_back(lead);
    }
    i += static_cast<std::size_t>(length);
  }
}

void FeedCloseRequest() { State().closeRequested = true; }

void FeedPadAxis(PadAxis axis, int value) {
  const int index = static_cast<int>(axis);
  if (index < 0 || index >= kPadAxisCount) return;
  value = std::clamp(value, -32768, 32767);
  Tell(InputEvent::OfPadAxis(axis, value));
  State().padAxes[index] = value;
}

void FeedPadButton(PadButton button, bool down) {
  const int index = static_cast<int>(button);
  if (index < 0 || index >= kPadButtonCount) return;
  Tell(InputEvent::OfPadButton(button, down));
  auto& s = State();
  if (down) ++s.padPresses[index];
  s.padHeld[index] = down;
}

void FeedFocusLost() {
  Tell(InputEvent::OfFocusLost());
  ++State().focusLosses;
}

void ReleaseStandIns() {
  State().standInHeld.fill(false);
  State().standInButtonHeld.fill(false);
}

void HoldStandInKey(int key) {
  if (ValidKey(key)) State().standInHeld[key] = true;
}

void PressStandInKey(int key) {
  if (ValidKey(key)) ++State().presses[key];
}

void HoldStandInButton(int button) {
  if (ValidButton(button)) State().standInButtonHeld[button] = true;
}

void PressStandInButton(int button) {
  if (ValidButton(button)) ++State().buttonPresses[button];
}

void PlacePointer(float x, float y) { State().pointerX = x, State().pointerY = y; }

bool MouseMovedPointer() { return std::exchange(State().mouseMoved, false); }

void ResetInput() {
  InputListener listener = std::move(State().listener);
  State() = InputState{};
  State().listener = std::move(listener);
}

}  // namespace tolvex
