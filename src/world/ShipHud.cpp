// The player's head-up display: the status lines, the target and wingman panels with their arrows,
// the aiming line, the pointer and the debug overlay. The gauges, the radar and the alarms live in
// files of their own.
#include <array>
#include <cmath>
#include <string>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/StageLink.h"
#include "effects/ParticleEngine.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "platform/Graphics.h"
#include "ui/GameFonts.h"
#include "world/HudImages.h"
#include "world/HudRecord.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

// Four lines of a ship's panel, bottom-aligned at the screen's lower edge.
void DrawPanel(float x, const std::array<std::string, 4>& lines) {
  const float bottom = static_cast<float>(GfxHeight);
  for (std::size_t i = 0; i < lines.size(); ++i) DrawHudText(lines[i], x, bottom - 60 + 15 * static_cast<float>(i));
}

// An arrow circling the ship at screen point (px, py) towards another ship `distance` pixels away
// on `heading`: its radius grows with the distance up to H/2 − 150, reached at W − 150 pixels.
void DrawCirclingArrow(const ImagePtr& arrow, float px, float py, float heading, int distance) {
  const int reach = GfxWidth - 150;
  const float f = distance <= reach ? static_cast<float>(distance) / static_cast<float>(reach) : 1.0f;
  const float radius = f * static_cast<float>(GfxHeight / 2 - 150);
  SetColor(255, 255, 255);
  SetBlend(kBlendLight);
  SetRotation(heading);
  DrawImage(arrow, px + radius * SinDeg(heading), py - radius * CosDeg(heading));
}

const TShip* LiveShip(const TGObjectPtr& object) {
  if (!object || object->Dead || object->Kind() != ObjectKind::Ship) return nullptr;
  return static_cast<const TShip*>(object.get());
}

}  // namespace

void TShip::DrawHUD() {
  BeginHudFrame(Rocketcounter);
  const float px = X - CameraX, py = Y - CameraY;
  SelectFont(GameFont);
  HUD_DrawRockets();
  SetRotation(0);
  CheckAndDrawRocketAlarm(px, py);
  CheckAndDrawHpAlarm();
  // The alarms have read the homing rockets of this frame.
  Rocketcounter = 0;
  DrawStatusLines();
  SetColor(255, 255, 255);
  DrawTargetPanel(px, py);
  DrawBuddyPanel(px, py);
  HUD_DrawRadar(static_cast<float>(GfxWidth / 2), static_cast<float>(GfxHeight - 100));
  HUD_DrawSpeed();
  HUD_DrawHP();
  HUD_DrawBoni();
  if (DebugLogOn()) {
    AddDebugLines();
    DebugHUD();
  }
  const float aim = AngleTo(px, py, CursorX, CursorY);
  DrawAimingLine(px, py, aim);
  DrawPointer(aim);
}

// Stage, kills, points, the two switches and the time alive, down the left edge. The stage name
// keeps the colour the alarms left: white, or yellow while the hit points are low.
void TShip::DrawStatusLines() {
  SelectFont(GameFont);
  SetScale(1, 1);
  SetAlpha(1);
  SetBlend(kBlendAlpha);
  DrawHudText(RunningStageName(), 10, 20);
  SetColor(255, 100, 50);
  DrawHudText("Kills: " + std::to_string(Kills), 10, 50);
  SetColor(50, 100, 255);
  DrawHudText("Points: " + IntText(Points), 10, 65);
  float y = 95;
  if (RocketAutoSelectComp) {
    SetColor(100, 255, 100);
    DrawHudText("RakAutoSelect: On  [R] ", 10, 80);
    DrawHudText(RocketAutoSelectHudtext, 10, 95);
    y = 110;
  } else {
    SetColor(255, 100, 100);
    DrawHudText("RakAutoSelect: Off [R]", 10, 80);
  }
  if (AimHelp) SetColor(100, 255, 100);
  else SetColor(255, 100, 100);
  DrawHudText(AimHelp ? "AutoAim Helpsystem: On [T]" : "AutoAim Helpsystem: Off [T]", 10, y);
  SetColor(240, 240, 200);
  DrawHudText("Time:" + std::to_string((FrameClock - birthtime) / 1000), 10, y + 15);
}

void TShip::DrawTargetPanel(float px, float py) {
  const TShip* target = LiveShip(KI_target);
  if (!target) return;
  const int distance = static_cast<int>(Distance(X, Y, target->X, target->Y));
  DrawPanel(10, {"Target <+" + target->Name + "+> [" + std::to_string(target->Kills) + "]",
                 "HP: " + IntText(target->HP) + " | " + DecimalText(target->armor).substr(0, 3),
                 "Speed: " + IntText(target->GetSpeed()), "Distance: " + std::to_string(distance)});
  DrawCirclingArrow(HudImages.targetArrow, px, py, AngleTo(X, Y, target->X, target->Y), distance);
}

void TShip::DrawBuddyPanel(float px, float py) {
  const TShip* buddy = LiveShip(BuddyList.First());
  if (!buddy) return;
  SetRotation(0);
  SetColor(255, 255, 255);
  SetBlend(kBlendAlpha);
  const float distance = Distance(X, Y, buddy->X, buddy->Y);
  DrawPanel(static_cast<float>(GfxWidth - 200),
            {"Buddy <+" + buddy->Name + "+> [" + std::to_string(buddy->Kills) + "]", "HP: " + IntText(buddy->HP),
             "Speed: " + IntText(buddy->GetSpeed()), "Distance: " + DecimalText(distance)});
  DrawCirclingArrow(HudImages.buddyArrow, px, py, AngleTo(X, Y, buddy->X, buddy->Y), static_cast<int>(distance));
}

// Marks on the line from the ship to the pointer: more the farther the pointer, none within 50 px.
void TShip::DrawAimingLine(float px, float py, float aim) {
  SetScale(1, 1);
  SetColor(255, 255, 255);
  SetRotation(aim);
  const float dx = CursorX - px, dy = CursorY - py;
  const int n = static_cast<int>(std::ceil(std::sqrt(std::sqrt(dx * dx + dy * dy) / 50)));
  for (int i = 1; i < n; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(n);
    DrawImage(HudImages.aimCrossArrow, px + dx * t, py + dy * t);
  }
}

// The ring spins with the aim at 50° a second; the inner part turns the other way and pulses,
// mirrored in the half turn where its scale is negative.
void TShip::DrawPointer(float aim) {
  CursorSpin = std::fmod(CursorSpin + 50 / FrameRate, 360.0f);
  SetBlend(kBlendAlpha);
  SetRotation(CursorSpin + aim);
  DrawImage(HudImages.pointer, CursorX, CursorY);
  const float pulse = SinDeg(CursorSpin);
  SetScale(pulse, pulse);
  SetRotation(-CursorSpin + aim);
  DrawImage(HudImages.pointerInner, CursorX, CursorY);
  SetScale(1, 1);
  SetRotation(0);
}

void TShip::DebugHudUpdate() { DebugHudLines.clear(); }

void TShip::DebugHUDAdd(std::string text) {
  if (DebugLogOn()) DebugHudLines.push_back(std::move(text));
}

void TShip::AddDebugLines() {
  DebugHUDAdd("FrameTime: " + std::to_string(FrameTime) + " ms");
  DebugHUDAdd("Objects: " + std::to_string(TUniverse::WorldList().Count()));
  DebugHUDAdd("Particles: " + std::to_string(ParticleCount()));
  DebugHUDAdd("Position: " + IntText(X) + ", " + IntText(Y));
}

void TShip::DebugHUD() {
  SetRotation(0);
  float y = 200;
  for (const std::string& line : DebugHudLines) {
    DrawText(line, 10, y);
    y += TextHeight(line) + 2;
  }
}

}  // namespace tolvex
