#include "shell/Autopilot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Clock.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "ui/TMenue.h"
#include "weapons/TGun.h"
#include "weapons/TGunInfo.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

// Ranges of the pilot's habits, in world pixels: it keeps its targets at the reach of its
// hand-aimed gun, outside the short reach of most enemy turrets.
constexpr float kCloseIn = 1300;   // farther: fly straight at the target
constexpr float kTooClose = 850;   // nearer: back away sideways
constexpr float kGunRange = 2200;  // hold the guns down inside this
constexpr float kHeavyRocketRange = 3000;
// Shot speed assumed when the ship has no hand-aimed gun, px/s.
constexpr float kDefaultShotSpeed = 1200;
// A target this much farther than the nearest enemy is given up for it.
constexpr float kSwitchFactor = 1.5f;
constexpr float kSwitchMargin = 300;
constexpr int kRocketPauseMs = 1200;
constexpr int kDropPauseMs = 600;
constexpr int kMenuLookMs = 3000;
// How long the pointer rests on the Start button before clicking, so its label lights up.
constexpr int kHoverMs = 300;

const TShip* LivingShip(const TGObjectPtr& object) {
  if (!object || object->Dead || object->Kind() != ObjectKind::Ship) return nullptr;
  return static_cast<const TShip*>(object.get());
}

// The nearest AI ship that is still fighting and not on the player's side.
const TShip* NearestFoe(const TShip& player) {
  const TShip* best = nullptr;
  float bestDistance = std::numeric_limits<float>::infinity();
  for (const TGObjectPtr& object : TUniverse::WorldList()) {
    const TShip* ship = LivingShip(object);
    if (!ship || ship == &player || ship->KI == kKIPlayer || ship->KI_Leave || player.IsBuddy(ship)) continue;
    const float d = Distance(player.X, player.Y, ship->X, ship->Y);
    if (d < bestDistance) best = ship, bestDistance = d;
  }
  return best;
}

bool WorthSwitching(const TShip& player, const TShip& target, const TShip& nearest) {
  if (&target == &nearest) return false;
  if (target.KI_Leave) return true;
  const float toTarget = Distance(player.X, player.Y, target.X, target.Y);
  const float toNearest = Distance(player.X, player.Y, nearest.X, nearest.Y);
  return toTarget > kSwitchFactor * toNearest + kSwitchMargin;
}

// The speed of the ship's hand-aimed gun's shots, px/s.
float ManualShotSpeed(const TShip& ship) {
  for (const auto& gun : ship.TGunList)
    if (gun->KI_Level == kGunManual && gun->Info) return gun->Info->Speed;
  return kDefaultShotSpeed;
}

// Where to aim, relative to the ship, so a shot of the given speed meets the target. Shots carry
// the ship's drift, so only the target's motion relative to the ship matters.
void InterceptVector(const TShip& ship, const TShip& target, float shotSpeed, float& ax, float& ay) {
  const float rx = target.X - ship.X, ry = target.Y - ship.Y;
  const float vx = (target.Speed_x - ship.Speed_x) * 70, vy = (target.Speed_y - ship.Speed_y) * 70;
  const float a = vx * vx + vy * vy - shotSpeed * shotSpeed;
  const float b = 2 * (rx * vx + ry * vy);
  const float c = rx * rx + ry * ry;
  float t = std::sqrt(c) / shotSpeed;
  const float disc = b * b - 4 * a * c;
  if (a < 0 && disc >= 0) t = (-b - std::sqrt(disc)) / (2 * a);  // the one positive root
  ax = rx + vx * t;
  ay = ry + vy * t;
}

// Puts the pointer along (dx, dy) from the ship's screen point, pulled in to stay on the screen.
void PointAlong(PilotHands& hands, float sx, float sy, float dx, float dy) {
  const float right = static_cast<float>(GfxWidth - 1), bottom = static_cast<float>(GfxHeight - 1);
  float scale = 1;
  if (sx + dx > right && dx > 0) scale = std::min(scale, (right - sx) / dx);
  if (sx + dx < 0 && dx < 0) scale = std::min(scale, -sx / dx);
  if (sy + dy > bottom && dy > 0) scale = std::min(scale, (bottom - sy) / dy);
  if (sy + dy < 0 && dy < 0) scale = std::min(scale, -sy / dy);
  scale = std::max(scale, 0.0f);
  hands.pointerX = sx + dx * scale;
  hands.pointerY = sy + dy * scale;
}

}  // namespace

PilotHands PilotBrain::Decide(const TShip& player, int now) {
  PilotHands hands;
  const float sx = player.X - CameraX, sy = player.Y - CameraY;
  const TShip* target = LivingShip(player.KI_target);
  const TShip* nearest = NearestFoe(player);
  if (target && nearest && now >= nextDropClock_ && WorthSwitching(player, *target, *nearest)) {
    hands.dropTarget = true;
    nextDropClock_ = now + kDropPauseMs;
  }
  const TShip* aim = target ? target : nearest;
  if (!aim) {
    // Nobody to fight: cruise in a wide circle, never standing still.
    cruiseHeading_ += 10.0f / FrameRate;
    PointAlong(hands, sx, sy, SinDeg(cruiseHeading_) * 200, -CosDeg(cruiseHeading_) * 200);
    hands.forward = true;
    return hands;
  }
  const float dist = Distance(player.X, player.Y, aim->X, aim->Y);
  // The pointer sits where the shots will meet the target: the ship turns that way and the
  // hand-aimed gun, which aims from the screen's centre, points there.
  float ax = 0, ay = 0;
  InterceptVector(player, *aim, ManualShotSpeed(player), ax, ay);
  PointAlong(hands, sx, sy, ax, ay);
  hands.forward = dist > kTooClose;
  hands.back = !hands.forward;
  hands.strafeRight = dist < kCloseIn;
  hands.fireGuns = dist < kGunRange;
  if (now >= nextRocketClock_) {
    hands.fireRocket = player.RocketAutoSelectHudtext.ends_with(" Fire:OK");
    hands.fireHeavyRocket = !hands.fireRocket && player.Rockets[3] > 0 && dist < kHeavyRocketRange;
    if (hands.fireRocket || hands.fireHeavyRocket) nextRocketClock_ = now + kRocketPauseMs;
  }
  return hands;
}

void Autopilot::BeforeFrame() {
  if (GameState == kStateGame && Player && !Player->Dead) {
    screenSince_ = -1;
    Fly(*Player);
    return;
  }
  ReleaseAll();
  if (GameState != kStateMainMenu && GameState != kStateHighscore) return;
  // A short look at the screen, then a new game through the menu's Start button.
  const int now = FrameClock;
  if (screenSince_ < 0) screenSince_ = now;
  else if (now - screenSince_ > kMenuLookMs) ClickStart(now);
}

void Autopilot::ClickStart(int now) {
  if (pointedSince_ < 0) {
    const TMenuePtr start = FindMenuButton("start_game");
    const auto spot = start ? start->ClickSpot() : std::nullopt;
    if (!spot) return;
    FeedMouseMove(static_cast<float>(spot->first), static_cast<float>(spot->second));
    pointedSince_ = now;
  } else if (now - pointedSince_ >= kHoverMs) {
    FeedButton(1, true);
    FeedButton(1, false);
    // Should the click not start a game, the pilot looks again and tries anew.
    pointedSince_ = -1;
    screenSince_ = now;
  }
}

void Autopilot::Fly(const TShip& player) {
  const PilotHands hands = brain_.Decide(player, FrameClock);
  FeedMouseMove(hands.pointerX, hands.pointerY);
  Press(LetterKey('W'), hands.forward, forward_);
  Press(LetterKey('S'), hands.back, back_);
  Press(LetterKey('D'), hands.strafeRight, strafe_);
  PressButton(1, hands.fireGuns, guns_);
  // Clicks: pressed and let go before the frame reads them.
  PressButton(2, hands.fireRocket, rocket_);
  PressButton(2, false, rocket_);
  if (hands.fireHeavyRocket) Click(LetterKey('E'));
  if (hands.dropTarget) Click(LetterKey('C'));
}

void Autopilot::Click(int key) {
  FeedKey(key, true);
  FeedKey(key, false);
}

void Autopilot::Press(int key, bool down, bool& held) {
  if (down != held) FeedKey(key, down);
  held = down;
}

void Autopilot::PressButton(int button, bool down, bool& held) {
  if (down != held) FeedButton(button, down);
  held = down;
}

void Autopilot::ReleaseAll() {
  Press(LetterKey('W'), false, forward_);
  Press(LetterKey('S'), false, back_);
  Press(LetterKey('D'), false, strafe_);
  PressButton(1, false, guns_);
}

}  // namespace tolvex
