#pragma once
// A computer pilot for headless runs: it plays through the player's own keys and mouse, so
// every game rule applies to it as to a person at the controls.
#include <cstdint>

namespace tolvex {

class TShip;

// What the pilot does with the controls in one frame.
struct PilotHands {
  float pointerX = 0, pointerY = 0;  // screen pixels
  bool forward = false;              // W
  bool back = false;                 // S
  bool strafeRight = false;          // D (tilts the thrust of W or S)
  bool fireGuns = false;             // left button held
  bool fireRocket = false;           // right button click
  bool fireHeavyRocket = false;      // E
  bool dropTarget = false;           // C: the ship picks the nearest ship anew
};

// Decides the controls for the player's ship from what it can see; now is the frame clock.
class PilotBrain {
 public:
  PilotHands Decide(const TShip& player, int now);

 private:
  int nextRocketClock_ = 0;
  int nextDropClock_ = 0;
  float cruiseHeading_ = 0;
};

// Feeds the brain's decisions to the input layer before each frame, and starts a new game
// after a short look at the menu or highscore screen by clicking its Start button.
class Autopilot {
 public:
  void BeforeFrame();

 private:
  void Fly(const TShip& player);
  void ClickStart(int now);
  void Press(int key, bool down, bool& held);
  void Click(int key);
  void PressButton(int button, bool down, bool& held);
  void ReleaseAll();

  PilotBrain brain_;
  bool forward_ = false, back_ = false, strafe_ = false, guns_ = false, rocket_ = false;
  int screenSince_ = -1;  // clock when the menu screen was first seen
  int pointedSince_ = -1;  // clock when the pointer was put on the Start button
};

}  // namespace tolvex
