#pragma once
// A click on a menu button as the player makes it: after the glide, the pointer on the button,
// one press of the left button, then the state's input step.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "shell/GameStates.h"
#include "ui/TMenue.h"

namespace tolvex {

// Needs a stepped clock; the state handles the button's command before this returns. Unless told
// not to wait, the click comes once the sphere has arrived.
inline void ClickMenuButton(std::string_view command, bool afterTheGlide = true) {
  if (afterTheGlide)
    for (int i = 0; i < 60; ++i) AdvanceClock();
  TMenue::ProcessAll();  // the sphere where it is now
  const TMenuePtr button = FindMenuButton(command);
  ASSERT_TRUE(button) << command;
  const auto spot = button->ClickSpot();
  ASSERT_TRUE(spot) << command;
  FeedMouseMove(static_cast<float>(spot->first), static_cast<float>(spot->second));
  FeedButton(1, true);
  FeedButton(1, false);
  CursorX = PointerX(), CursorY = PointerY();
  ButtonsHit[0] = static_cast<std::uint8_t>(ButtonPressed(1));
  ProcessStateInput();
}

}  // namespace tolvex
