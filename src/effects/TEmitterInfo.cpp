#include "effects/TEmitterInfo.h"

#include <cmath>

#include "core/Globals.h"
#include "effects/TParticle.h"
#include "effects/TParticleInfo.h"

namespace tolvex {

std::shared_ptr<TEmitterInfo> TEmitterInfo::Create(float whenFrom, float whenTo, float number,
                                                   std::shared_ptr<TParticleInfo> effect) {
  auto rule = std::make_shared<TEmitterInfo>();
  rule->When = {whenFrom, whenTo};
  rule->Number = number;
  rule->EmittParticle = std::move(effect);
  return rule;
}

void TEmitterInfo::Execute(TParticle& parent) {
  const float t = static_cast<float>(parent.LiveTime[0]) / static_cast<float>(parent.LiveTime[1]);
  if (!(When[0] <= t && t <= When[1])) return;
  LastEmission += FrameTime;
  const int n = static_cast<int>(std::floor(static_cast<float>(LastEmission) * Number));
  // The remainder is kept in whole milliseconds.
  LastEmission = static_cast<int>(static_cast<float>(LastEmission) - static_cast<float>(n) / Number);
  for (int i = 0; i < n; ++i) EmittParticle->InheritParticle(parent, *this);
}

}  // namespace tolvex
