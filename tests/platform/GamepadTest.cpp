// A gamepad through SDL's game-controller layer, played by SDL's virtual joystick: pads plugged in
// before or during play, their sticks, triggers and buttons, and a pad pulled out mid-game.
#include <gtest/gtest.h>

#include <SDL.h>

#include <vector>

#include "platform/Gamepad.h"
#include "platform/Input.h"

namespace tolvex {
namespace {

class Gamepad : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetInput();
    SetInputListener([this](const InputEvent& event) { heard.push_back(event); });
  }
  void TearDown() override {
    if (joystick_) SDL_JoystickClose(joystick_);
    if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
    StopGamepads();
    SetInputListener(nullptr);
    IgnoreWindowInput(false);
    ResetInput();
  }

  // A pad as SDL knows a standard one: every axis and button of its game-controller layer.
  void PlugIn() {
    SDL_VirtualJoystickDesc pad{};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    pad.name = "Test pad";
    device_ = SDL_JoystickAttachVirtualEx(&pad);
    ASSERT_GE(device_, 0) << SDL_GetError();
    joystick_ = SDL_JoystickOpen(device_);
    ASSERT_NE(joystick_, nullptr) << SDL_GetError();
  }
  void PullOut() {
    SDL_JoystickClose(joystick_);
    SDL_JoystickDetachVirtual(device_);
    joystick_ = nullptr, device_ = -1;
  }
  void Lean(SDL_GameControllerAxis axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }
  void Push(SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
  }

  std::vector<InputEvent> heard;

 private:
  int device_ = -1;
  SDL_Joystick* joystick_ = nullptr;
};

TEST_F(Gamepad, APadPluggedInDuringPlayIsReadAtOnce) {
  StartGamepads();
  PumpEvents();
  PlugIn();
  PumpEvents();
  Lean(SDL_CONTROLLER_AXIS_LEFTY, -32000);
  Push(SDL_CONTROLLER_BUTTON_START, true);
  PumpEvents();
  EXPECT_EQ(PadAxisValue(PadAxis::LeftY), -32000);
  EXPECT_TRUE(PadButtonHeld(PadButton::Start));
  EXPECT_EQ(PadButtonPressed(PadButton::Start), 1);
  EXPECT_EQ(PadButtonPressed(PadButton::Start), 0);
}

TEST_F(Gamepad, APadPluggedInBeforeTheStartIsOpenedWithTheLayer) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
  PlugIn();
  StartGamepads();
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);  // the game-controller layer keeps its own hold on it
  PumpEvents();
  Push(SDL_CONTROLLER_BUTTON_A, true);
  PumpEvents();
  EXPECT_TRUE(PadButtonHeld(PadButton::A));
}

// SDL's buttons reach the game under SDL's own names, and the stick clicks and guide button not at all.
TEST_F(Gamepad, EveryButtonArrivesUnderSdlsName) {
  StartGamepads();
  PlugIn();
  PumpEvents();
  for (int sdl = 0; sdl <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT; ++sdl) {
    const auto button = static_cast<SDL_GameControllerButton>(sdl);
    heard.clear();
    Push(button, true);
    PumpEvents();
    Push(button, false);
    PumpEvents();
    const std::string_view name = SDL_GameControllerGetStringForButton(button);
    if (name == "guide" || name == "leftstick" || name == "rightstick") {
      EXPECT_TRUE(heard.empty()) << name;
      continue;
    }
    ASSERT_EQ(heard.size(), 2u) << name;
    EXPECT_EQ(heard[0].type, InputEvent::Type::PadButton);
    EXPECT_TRUE(heard[0].down);
    EXPECT_FALSE(heard[1].down);
    EXPECT_EQ(PadButtonName(static_cast<PadButton>(heard[0].code)), name);
    EXPECT_EQ(PadButtonNamed(name), static_cast<PadButton>(heard[0].code));
  }
  for (int axis = 0; axis < kPadAxisCount; ++axis) {
    const std::string_view name = SDL_GameControllerGetStringForAxis(static_cast<SDL_GameControllerAxis>(axis));
    EXPECT_EQ(PadAxisName(static_cast<PadAxis>(axis)), name);
    EXPECT_EQ(PadAxisNamed(name), static_cast<PadAxis>(axis));
  }
  EXPECT_FALSE(PadButtonNamed("guide"));
  EXPECT_FALSE(PadAxisNamed("LeftX"));
}

TEST_F(Gamepad, AFrameHearsEachAxisOnceAtItsLastPlaceInSteps) {
  StartGamepads();
  PlugIn();
  PumpEvents();
  heard.clear();
  for (const Sint16 value : {1000, 5000, 20000, 20100}) {
    Lean(SDL_CONTROLLER_AXIS_RIGHTX, value);
    SDL_JoystickUpdate();
  }
  Lean(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  PumpEvents();
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0].value, 19968) << "20100 read in steps of 256";
  EXPECT_EQ(PadAxisValue(PadAxis::RightX), 19968);
  EXPECT_EQ(PadAxisValue(PadAxis::RightTrigger), 32512);
  // A tremble within one step is no news.
  heard.clear();
  Lean(SDL_CONTROLLER_AXIS_RIGHTX, 20200);
  PumpEvents();
  EXPECT_TRUE(heard.empty());
}

TEST_F(Gamepad, APadPulledOutLetsGoOfEverythingItHeld) {
  StartGamepads();
  PlugIn();
  PumpEvents();
  Push(SDL_CONTROLLER_BUTTON_A, true);
  Push(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true);
  Lean(SDL_CONTROLLER_AXIS_LEFTX, -30000);
  Lean(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
  PumpEvents();
  ASSERT_TRUE(PadButtonHeld(PadButton::A));
  ASSERT_NE(PadAxisValue(PadAxis::LeftTrigger), 0);
  PullOut();
  PumpEvents();
  for (int button = 0; button < kPadButtonCount; ++button) EXPECT_FALSE(PadButtonHeld(static_cast<PadButton>(button)));
  for (int axis = 0; axis < kPadAxisCount; ++axis) EXPECT_EQ(PadAxisValue(static_cast<PadAxis>(axis)), 0) << axis;
  EXPECT_TRUE(HeldInput().size() == 1) << "only the pointer is left to bring back";
}

TEST_F(Gamepad, AReplayIgnoresThePadInTheHandsOfItsViewer) {
  StartGamepads();
  PlugIn();
  PumpEvents();
  IgnoreWindowInput(true);
  Push(SDL_CONTROLLER_BUTTON_B, true);
  Lean(SDL_CONTROLLER_AXIS_LEFTY, 30000);
  PumpEvents();
  EXPECT_FALSE(PadButtonHeld(PadButton::B));
  EXPECT_EQ(PadAxisValue(PadAxis::LeftY), 0);
  EXPECT_TRUE(heard.empty());
}

}  // namespace
}  // namespace tolvex
