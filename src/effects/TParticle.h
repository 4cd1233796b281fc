#pragma once
// One live particle: a sprite with position, velocity, spin and a lifetime.
#include <array>
#include <memory>

#include "effects/ParticleLink.h"
#include "effects/TParticleInfo.h"

namespace tolvex {

class TParticle : public std::enable_shared_from_this<TParticle> {
 public:
  // Absolute coordinate (0 = x, 1 = y), following the chain of pivots.
  float PosGet(int index) const;
  // Ages the particle one frame; moves, draws and lets it emit unless it expired.
  void Process();
  // Spin or heading, position, gravity and thrust for one frame.
  void Move();
  // Queues the sprite for drawing unless it lies off screen.
  void Draw();
  // Sets the drawing colour and alpha from the effect's gradient at life fraction t.
  void SetGradientOption(float fraction);
  // Runs the particle's emitter rules.
  void Execute();
  // Takes the particle out of the particle list.
  void Die();

  // World position, or the offset from the pivot's position when there is one.
  std::array<float, 2> Pos{};
  float Direction = 0;
  // [0] age, [1] lifetime, in milliseconds.
  std::array<int, 2> LiveTime{};
  float AngleSpeed = 0;
  // Velocity in pixels per second.
  std::array<float, 2> MoveSpeed{};
  std::shared_ptr<TParticle> Pivot;
  std::shared_ptr<TParticleInfo> Info;
  std::shared_ptr<const EmitterList> Emitter;
  ParticleLink Link;
};

}  // namespace tolvex
