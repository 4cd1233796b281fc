#include "shell/MainLoop.h"

#include "core/Globals.h"
#include "effects/EffectPreview.h"
#include "effects/ParticleEngine.h"
#include "effects/TAmbient.h"
#include "effects/TBGObject.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "shell/FrameStats.h"
#include "shell/FrameSteps.h"
#include "shell/GameStates.h"
#include "shell/PadControls.h"
#include "shell/Pause.h"
#include "shell/Screenshots.h"
#include "shell/TMusic.h"
#include "stages/TLevel.h"
#include "ui/TMessage.h"
#include "world/TUniverse.h"

namespace tolvex {

void RunFrame(FrameHooks& hooks, int frame) {
  BeginFramePhase(FramePhase::Input);
  AdvanceClock();
  hooks.BeforeFrame(frame);
  PumpWindowEvents();
  UpdateFrameTimer();               // 2
  ApplyPadControls();
  UpdatePause();
  // A paused game is drawn as it stands: nothing that moves is stepped, and the pointer is the player's own.
  const bool running = !GamePaused();
  if (running) UpdateMouse();       // 1
  TMusic::Play();                   // 3
  BeginFramePhase(FramePhase::WorldStep);
  if (running) Universe->Process(); // 4
  BeginFramePhase(FramePhase::WreckageStep);
  if (running) TBGObject::ProcessAll();  // 5
  BeginFramePhase(FramePhase::Stages);
  if (running) TLevel::RunLevels(); // 6
  BeginFramePhase(FramePhase::Setup);
  SetParticleDrawing(true);
  if (running) {
    UpdateCamera();                 // 8
    ApplyCamera();
    RunEffectPreview();
    TAmbient::Update();             // 9
  }
  SetParticleCamera(CameraX, CameraY);  // 10
  TMessage::ProcessAll();           // 11
  BeginFramePhase(FramePhase::Backdrop);
  // Nothing is drawn before the backdrop; an opaque tiled one paints every pixel itself, and
  // clearing the screen beneath it would cost a full-screen write for nothing.
  if (!TAmbient::BackdropCoversScreen()) Cls();  // 7
  TAmbient::DrawLayers(0);          // 12
  SetBlend(kBlendAlpha);
  SetAlpha(1);
  BeginFramePhase(FramePhase::Wreckage);
  TBGObject::DrawAll();
  BeginFramePhase(FramePhase::MiddleLayers);
  TAmbient::DrawLayers(1);
  BeginFramePhase(FramePhase::WorldDraw);
  Universe->Draw();                 // 13
  BeginFramePhase(FramePhase::Particles);
  if (running) UpdateParticles();   // 14
  else DrawParticles();
  BeginFramePhase(FramePhase::FrontLayers);
  TAmbient::DrawLayers(2);          // 15
  if (ScreenshotRequested) {        // 16
    TakeScreenshot();
    ScreenshotRequested = 0;
  }
  BeginFramePhase(FramePhase::StateLayer);
  SetRotation(0);                   // 17
  SetColor(255, 255, 255);
  DrawStateLayer();                 // 18
  TakeMenuScreenshotOnKey();
  hooks.BeforePresent(frame);
  BeginFramePhase(FramePhase::Present);
  Flip(0);                          // 19
  BeginFramePhase(FramePhase::Input);
  ProcessStateInput();              // 20
  EndFrameStats();
  hooks.AfterFrame(frame);
}

void RunMainLoop(FrameHooks& hooks) {
  for (int frame = 1; !QuitGame && !CloseRequested(); ++frame) {
    // Every frame lasts at least one tick of the clock, so game time keeps pace with real time
    // (a frame shorter than 1 ms would still count as 1 ms) and no core spins at full load.
    WaitForClockAfter(FrameClock);
    RunFrame(hooks, frame);
    if (hooks.Finished(frame)) break;
  }
}

}  // namespace tolvex
