#pragma once
// Frame statistics for --stats: how long frames take, which part of a frame takes how
// long, how much is drawn, and the most the game held at once. Printed when the program ends.
#include <ostream>

namespace tolvex {

// The parts of a frame, in the order the main loop runs them.
enum class FramePhase {
  Input,          // mouse, frame timer, the state's own input
  WorldStep,      // ships, shots and rockets steer
  WreckageStep,   // background objects drift
  Stages,         // the stage runner
  Setup,          // clearing, camera, backdrop and message updates
  Backdrop,       // ambient layers of level 0
  Wreckage,       // background objects drawn
  MiddleLayers,   // ambient layers of level 1
  WorldDraw,      // ships, shots and rockets drawn
  Particles,      // particles moved and drawn
  FrontLayers,    // ambient layers of level 2 (and a requested screenshot)
  StateLayer,     // HUD and menus
  Present,        // the frame shown
  Count
};

// Starts collecting; until then the hooks cost nothing. With finishDrawing each phase
// waits for its drawing to reach the back buffer, so queued or threaded renderers
// charge their pixels to the phase that drew them.
void EnableFrameStats(bool finishDrawing = true);
bool FrameStatsEnabled();
// Ends the running phase and starts the next; the first call of a frame starts the frame.
void BeginFramePhase(FramePhase phase);
// Ends the frame: its time, draw calls and the peaks of objects, particles and memory.
void EndFrameStats();
// The block printed at exit.
void PrintFrameStats(std::ostream& out);
// Forgets everything collected (tests).
void ResetFrameStats();

}  // namespace tolvex
