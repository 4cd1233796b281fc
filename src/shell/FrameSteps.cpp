#include "shell/FrameSteps.h"

#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "world/TGObject.h"

namespace tolvex {

namespace {
int previousClock = 0;
// The camera's private memory of where the target was; it persists between games.
float lastX = 0, lastY = 0;
}  // namespace

void UpdateMouse() {
  CursorX = PointerX();
  CursorY = PointerY();
  for (int i = 0; i < 3; ++i) {
    ButtonsHit[i] = static_cast<std::uint8_t>(std::min(ButtonPressed(i + 1), 255));
    ButtonsDown[i] = ButtonHeld(i + 1) ? 1 : 0;
  }
  const float width = static_cast<float>(GfxWidth), height = static_cast<float>(GfxHeight);
  if (CursorX > width) MoveMouse(CursorX = width, CursorY);
  else if (CursorX < 0) MoveMouse(CursorX = 0, CursorY);
  if (CursorY > height) MoveMouse(CursorX, CursorY = height);
  else if (CursorY < 0) MoveMouse(CursorX, CursorY = 0);
}

void UpdateFrameTimer() {
  FrameClock = ClockMs();
  FrameTime = std::clamp(FrameClock - previousClock, 1, 200);
  previousClock = FrameClock;
  FrameRate = 1000.0f / static_cast<float>(FrameTime);
}

void ResetFrameTimer() { previousClock = 0; }

void UpdateCamera() {
  if (!CameraTarget) return;
  const float x = CameraTarget->X, y = CameraTarget->Y;
  switch (CameraDelay) {
    case 1: {
      // Look ahead along the last movement, ten times the target's speed.
      const float dx = x - lastX, dy = y - lastY;
      lastX = x, lastY = y;
      const float a = ATan2Deg(dx, dy);
      CameraFocusX = x + SinDeg(a) * CameraTarget->Speed * 10;
      CameraFocusY = y + CosDeg(a) * CameraTarget->Speed * 10;
      break;
    }
    case 2: {
      // Trail behind: the remembered point closes in on the target by 1/1.1 of the gap.
      const float gx = (x - lastX) / 1.1f, gy = (y - lastY) / 1.1f;
      lastX = x - gx, lastY = y - gy;
      CameraFocusX = x + gx;
      CameraFocusY = y + gy;
      break;
    }
    default:
      CameraFocusX = x;
      CameraFocusY = y;
      break;
  }
}

void ApplyCamera() {
  CameraX = CameraFocusX - static_cast<float>(GfxWidth / 2);
  CameraY = CameraFocusY - static_cast<float>(GfxHeight / 2);
}

void ResetCamera() { lastX = lastY = 0; }

}  // namespace tolvex
