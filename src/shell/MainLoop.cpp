#include "shell/MainLoop.h"

#include "core/Globals.h"
#include "effects/EffectPreview.h"
#include "effects/ParticleEngine.h"
#include "effects/TAmbient.h"
#include "effects/TBGObject.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "shell/FrameSteps.h"
#include "shell/GameStates.h"
#include "shell/Screenshots.h"
#include "shell/TMusic.h"
#include "stages/TLevel.h"
#include "ui/TMessage.h"
#include "world/TUniverse.h"

namespace tolvex {

void RunFrame(FrameHooks& hooks, int frame) {
  AdvanceClock();
  hooks.BeforeFrame(frame);
  PumpWindowEvents();
  UpdateMouse();                    // 1
  UpdateFrameTimer();               // 2
  TMusic::Play();                   // 3
  Universe->Process();              // 4
  TBGObject::ProcessAll();          // 5
  TLevel::RunLevels();              // 6
  Cls();                            // 7
  SetParticleDrawing(true);
  UpdateCamera();                   // 8
  ApplyCamera();
  RunEffectPreview();
  TAmbient::Update();               // 9
  SetParticleCamera(CameraX, CameraY);  // 10
  TMessage::ProcessAll();           // 11
  TAmbient::DrawLayers(0);          // 12
  SetBlend(kBlendAlpha);
  SetAlpha(1);
  TBGObject::DrawAll();
  TAmbient::DrawLayers(1);
  Universe->Draw();                 // 13
  UpdateParticles();                // 14
  TAmbient::DrawLayers(2);          // 15
  if (ScreenshotRequested) {        // 16
    TakeScreenshot();
    ScreenshotRequested = 0;
  }
  SetRotation(0);                   // 17
  SetColor(255, 255, 255);
  DrawStateLayer();                 // 18
  TakeMenuScreenshotOnKey();
  hooks.BeforePresent(frame);
  Flip(0);                          // 19
  ProcessStateInput();              // 20
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
