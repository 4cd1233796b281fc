#include "shell/MainLoop.h"

#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "shell/FrameSteps.h"
#include "shell/GameStates.h"
#include "shell/Globals.h"
#include "shell/Screenshots.h"
#include "stages/TLevel.h"
#include "ui/TMessage.h"
#include "world/TUniverse.h"

namespace tolvex {

void RunFrame(FrameHooks& hooks, int frame) {
  AdvanceClock();
  hooks.BeforeFrame(frame);
  UpdateMouse();                    // 1
  UpdateFrameTimer();               // 2
  // 3. The music steps here.
  Universe->Process();              // 4
  // 5. Background objects step here.
  TLevel::RunLevels();              // 6
  Cls();                            // 7
  UpdateCamera();                   // 8
  ApplyCamera();
  // 9–10. The ambient layers and the particle camera step here.
  TMessage::ProcessAll();           // 11
  // 12. Ambient layer 0, the background objects and ambient layer 1 are drawn here.
  SetBlend(kBlendAlpha);
  SetAlpha(1);
  Universe->Draw();                 // 13
  // 14–15. The particles and ambient layer 2 are drawn here.
  if (ScreenshotRequested) {        // 16
    TakeScreenshot();
    ScreenshotRequested = 0;
  }
  SetRotation(0);                   // 17
  SetColor(255, 255, 255);
  DrawStateLayer();                 // 18
  hooks.BeforePresent(frame);
  Flip(0);                          // 19
  ProcessStateInput();              // 20
  hooks.AfterFrame(frame);
}

void RunMainLoop(FrameHooks& hooks) {
  for (int frame = 1; !QuitGame && !CloseRequested(); ++frame) {
    RunFrame(hooks, frame);
    if (hooks.Finished(frame)) break;
  }
}

}  // namespace tolvex
