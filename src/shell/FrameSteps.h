#pragma once
// The per-frame steps of the shell: mouse, frame timer and camera.

namespace tolvex {

// Samples the pointer and buttons, keeping the pointer on the screen.
void UpdateMouse();
// Measures the last frame: FrameTime clamped to 1..200 ms, FrameRate = 1000 / FrameTime.
void UpdateFrameTimer();
// Forgets the previous frame's clock (a new run starts timing afresh).
void ResetFrameTimer();
// Moves the camera focus after CameraTarget by the CameraDelay mode.
void UpdateCamera();
// Puts the screen's top-left corner so the focus is at the centre.
void ApplyCamera();
// Forgets the camera's remembered point (back to (0, 0)).
void ResetCamera();

}  // namespace tolvex
