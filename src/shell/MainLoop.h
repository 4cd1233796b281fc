#pragma once
// The main loop: one frame after another until the player quits.

namespace tolvex {

// Everything that happens between two frames being shown, in order.
class FrameHooks {
 public:
  virtual ~FrameHooks() = default;
  // Before the frame's first step (scripted input arrives here).
  virtual void BeforeFrame(int) {}
  // After the state's layer is drawn, before the frame is shown.
  virtual void BeforePresent(int) {}
  // After the frame's last step.
  virtual void AfterFrame(int) {}
  // True when the loop should end after this frame.
  virtual bool Finished(int) { return false; }
};

// Runs one frame: every step of the main loop in order.
void RunFrame(FrameHooks& hooks, int frame);
// Runs frames until QuitGame is set, the window is closed or the hooks say so.
void RunMainLoop(FrameHooks& hooks);

}  // namespace tolvex
