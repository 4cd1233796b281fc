#include "shell/Pause.h"

#include <nlohmann/json.hpp>

#include <string_view>

#include "core/GameRequests.h"
#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "platform/Sound.h"
#include "ui/GameFonts.h"

namespace tolvex {

namespace {

bool paused = false;

void SetPaused(bool on) {
  if (paused == on) return;
  paused = on;
  HoldClock(on);
  HoldSoundEffects(on);
  SetMouseVisible(on);
}

void DrawCentred(std::string_view text, float scale, float y) {
  SetScale(scale, scale);
  DrawText(text, (static_cast<float>(GfxWidth) - TextWidth(text) * scale) / 2, y);
}

}  // namespace

bool GamePaused() { return paused; }

void UpdatePause() {
  const bool focusLost = FocusLosses() > 0;
  if (GameState != kStateGame) return;
  if (KeyPressed(LetterKey('P')) % 2 == 1) SetPaused(!paused);
  if (focusLost) SetPaused(true);
  if (!paused) return;
  // Escape gives up from the pause as well: play goes on for this frame, in which the ship reads it.
  if (KeyPressesWaiting(KEY_ESCAPE) > 0) {
    SetPaused(false);
    return;
  }
  if (KeyPressed(KEY_LALT)) RequestScreenshot();
  ClearKeyPresses();
}

void EndPause() { SetPaused(false); }

void DrawPauseNotice() {
  SetRotation(0);
  SetBlend(kBlendAlpha);
  SetScale(1, 1);
  SetColor(0, 0, 0);
  SetAlpha(0.45f);
  DrawRect(0, 0, static_cast<float>(GfxWidth), static_cast<float>(GfxHeight));
  SetAlpha(1);
  const float middle = static_cast<float>(GfxHeight) * 0.4f;
  SelectFont(GameFont2);
  SetColor(240, 147, 0);
  DrawCentred("Paused", 3, middle - 3 * TextHeight("Paused"));
  SelectFont(GameFont);
  SetColor(240, 240, 200);
  DrawCentred("P or Start: play on", 1.5f, middle + 10);
  DrawCentred("Escape or Back: give up", 1.5f, middle + 40);
  SetScale(1, 1);
  SetColor(255, 255, 255);
}

void DumpPause(nlohmann::json& dump) {
  if (paused) dump["paused"] = true;
}

}  // namespace tolvex
