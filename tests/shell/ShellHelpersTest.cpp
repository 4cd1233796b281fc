// The shell's per-frame steps: timer, mouse and camera.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "shell/FrameSteps.h"
#include "world/TGObject.h"

namespace tolvex {
namespace {

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellGlobals();
    ResetInput();
    ResetFrameTimer();
    ResetCamera();
    UseSteppedClock(0);
  }
  void TearDown() override {
    UseSteppedClock(0);
    ResetShellGlobals();
  }
};

TEST_F(ShellTest, FrameTimerClampsTo1And200) {
  UseSteppedClock(500);
  AdvanceClock();
  UpdateFrameTimer();
  EXPECT_EQ(FrameTime, 200);
  EXPECT_FLOAT_EQ(FrameRate, 5.0f);
  UpdateFrameTimer();  // the clock did not move: a frame of 0 ms counts as 1 ms
  EXPECT_EQ(FrameTime, 1);
  EXPECT_FLOAT_EQ(FrameRate, 1000.0f);
}

TEST_F(ShellTest, FrameTimerMeasuresSteppedFrames) {
  UseSteppedClock(16);
  AdvanceClock();
  UpdateFrameTimer();
  AdvanceClock();
  UpdateFrameTimer();
  EXPECT_EQ(FrameClock, 32);
  EXPECT_EQ(FrameTime, 16);
  EXPECT_FLOAT_EQ(FrameRate, 62.5f);
}

TEST_F(ShellTest, CursorIsClampedToTheScreen) {
  GfxWidth = 800, GfxHeight = 600;
  FeedMouseMove(900, -20);
  UpdateMouse();
  EXPECT_EQ(CursorX, 800);
  EXPECT_EQ(CursorY, 0);
  EXPECT_EQ(PointerX(), 800) << "the system pointer is put back on the edge";
  FeedMouseMove(-5, 700);
  UpdateMouse();
  EXPECT_EQ(CursorX, 0);
  EXPECT_EQ(CursorY, 600);
  FeedMouseMove(400, 300);
  UpdateMouse();
  EXPECT_EQ(CursorX, 400);
  EXPECT_EQ(CursorY, 300);
}

TEST_F(ShellTest, MouseButtonsHitAndDown) {
  FeedButton(2, true);
  UpdateMouse();
  EXPECT_EQ(ButtonsHit[1], 1);
  EXPECT_EQ(ButtonsDown[1], 1);
  UpdateMouse();
  EXPECT_EQ(ButtonsHit[1], 0);
  EXPECT_EQ(ButtonsDown[1], 1);
}

// A stand-in for whatever the camera follows.
class Marker : public TGObject {
 public:
  void Steering() override {}
  void Draw() override {}
};

TEST_F(ShellTest, CameraWithoutTargetStaysPut) {
  CameraFocusX = 5, CameraFocusY = 6;
  UpdateCamera();
  EXPECT_EQ(CameraFocusX, 5);
  EXPECT_EQ(CameraFocusY, 6);
}

TEST_F(ShellTest, CameraModesFollowTheTarget) {
  auto target = std::make_shared<Marker>();
  CameraTarget = target;
  GfxWidth = 801, GfxHeight = 600;
  target->X = 1000, target->Y = 500;
  UpdateCamera();
  ApplyCamera();
  EXPECT_EQ(CameraX, 1000 - 400);  // integer half of 801
  EXPECT_EQ(CameraY, 500 - 300);

  CameraDelay = 1;  // ten times the speed ahead along the last movement
  target->Speed = 2;
  target->X = 0, target->Y = 0;
  UpdateCamera();  // remembers (0, 0)
  target->X = 10, target->Y = 0;
  UpdateCamera();
  EXPECT_NEAR(CameraFocusX, 30, 1e-3f);
  EXPECT_NEAR(CameraFocusY, 0, 1e-3f);

  CameraDelay = 2;  // the remembered point closes in by 1/1.1 of the gap
  ResetCamera();
  target->X = 110, target->Y = 0;
  UpdateCamera();
  EXPECT_NEAR(CameraFocusX, 210, 1e-3f);
  target->X = 110;
  UpdateCamera();
  EXPECT_NEAR(CameraFocusX, 110 + (110 - 10) / 1.1f, 1e-3f);
}

}  // namespace
}  // namespace tolvex
