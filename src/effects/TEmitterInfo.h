#pragma once
// An emitter rule: while a parent particle is within a window of its life, it
// emits particles of another effect at a fixed rate.
#include <array>
#include <memory>

namespace tolvex {

class TParticle;
class TParticleInfo;

class TEmitterInfo {
 public:
  // A rule for the life window [whenFrom, whenTo] emitting `number` particles per millisecond.
  static std::shared_ptr<TEmitterInfo> Create(float whenFrom, float whenTo, float number,
                                              std::shared_ptr<TParticleInfo> effect);

  // Runs the rule for one parent particle for the current frame.
  void Execute(TParticle& parent);

  std::array<float, 2> When{};
  float Number = 0;
  std::shared_ptr<TParticleInfo> EmittParticle;
  // Milliseconds not yet turned into particles, shared by every parent of this rule.
  int LastEmission = 0;
};
using TEmitterInfoPtr = std::shared_ptr<TEmitterInfo>;

}  // namespace tolvex
