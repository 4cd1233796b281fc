#pragma once
// The broad phase of the shots' hit tests. Without it every shot walks every ship and
// every rocket each frame; with it a grid, built once per world pass, hands each shot
// only the ships and rockets that could be within its reach, in world-list order, so
// the first one hit is the one the full walk would find and every result stays the same.
#include <cstdint>
#include <optional>
#include <span>

#include "weapons/ProximityGrid.h"

namespace tolvex {

// On by default; tests switch it off to compare fights with and without it.
void SetShotBroadPhase(bool on);
bool ShotBroadPhase();

// Where a shot stands for the broad phase, worked out once for both its ship and its rocket
// tests: its position and the slot of the grids' table its cell falls in (the grids share
// their cells). The slot is negative when the broad phase cannot answer for the shot
// (switched off, outside a world pass, or a position that is not finite): every ship and
// every rocket must then be walked.
struct ShotSpot {
  float x, y;
  int slot;
};
ShotSpot ShotSpotAt(float x, float y);

// The ships the shot could touch, as indices into ShipsInWorld() in world-list order, each with
// its own circle (its radius), which grown by the shot's length must reach the shot's position;
// nothing when the broad phase cannot answer, and then every ship must be walked.
std::optional<std::span<const ProximityGrid::Thing>> ShipsNearShot(const ShotSpot& spot);
// The same for rockets, as indices into TRocket::Flying(), whose circles are grown by the
// reach of the shot's sprite.
std::optional<std::span<const ProximityGrid::Thing>> RocketsNearShot(const ShotSpot& spot);

}  // namespace tolvex
