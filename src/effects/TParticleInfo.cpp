#include "effects/TParticleInfo.h"

#include <cmath>
#include <string>

#include "core/Helpers.h"
#include "core/SlotPool.h"
#include "effects/ParticleEngine.h"
#include "effects/TEmitterInfo.h"
#include "effects/TParticle.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"

namespace tolvex {

std::shared_ptr<TParticleInfo> TParticleInfo::Create(std::string_view id, int liveTimeMin, int liveTimeMax,
                                                     float angleSpeedMin, float angleSpeedMax,
                                                     float moveSpeedMin, float moveSpeedMax,
                                                     float accelerate, bool connectedToPivot) {
  auto info = std::make_shared<TParticleInfo>();
  info->ID = id;
  info->LiveTime = {liveTimeMin, liveTimeMax};
  info->AngleSpeed = {angleSpeedMin, angleSpeedMax};
  info->MoveSpeed = {moveSpeedMin, moveSpeedMax};
  info->Accelerate = accelerate;
  info->ConnectedToPivot = connectedToPivot;
  Particles().registry.insert_or_assign(info->ID, info);
  return info;
}

std::shared_ptr<TParticleInfo> TParticleInfo::Get(std::string_view id) {
  const auto& registry = Particles().registry;
  const auto found = registry.find(id);
  return found == registry.end() ? nullptr : found->second;
}

void TParticleInfo::AddViewInfo(std::string_view imagePath, std::string_view gradientPath,
                                std::uint8_t blendMode, bool directionIsMoveDirection) {
  Image = LoadImage(imagePath);
  if (!Image) {
    Notify("Image not found: " + std::string(imagePath));
    return;
  }
  CentreHandle(Image);
  const int halfWidth = Image->Width() / 2;
  const int halfHeight = Image->Height() / 2;
  ImageRadius = std::sqrt(static_cast<float>(halfHeight * halfHeight + halfWidth * halfWidth));
  if (!gradientPath.empty()) {
    Gradient = LoadPixmap(gradientPath);
    if (!Gradient) Notify("Gradient Image not found: " + std::string(gradientPath));
  }
  BlendMode = blendMode;
  DirectionIsMoveDirection = directionIsMoveDirection;
}

void TParticleInfo::AddEmitterInfo(std::uint8_t mode, float direction, float spread, float radius) {
  EmitterMode = mode;
  EmittDirection = direction;
  EmitterSpread = spread;
  EmitterRadius = radius;
}

void TParticleInfo::AddEmitter(float whenFrom, float whenTo, float number,
                               std::shared_ptr<TParticleInfo> effect) {
  auto rules = std::make_shared<EmitterList>();
  rules->push_back(TEmitterInfo::Create(whenFrom, whenTo, number, std::move(effect)));
  if (Emitter) rules->insert(rules->end(), Emitter->begin(), Emitter->end());
  Emitter = std::move(rules);
}

void TParticleInfo::AddSound(std::string_view path) { SoundEffect = LoadSound(path); }

TParticlePtr TParticleInfo::CreateParticle(float x, float y, float direction, const TParticlePtr& pivot) {
  ParticleEngine& engine = Particles();
  if (!engine.initialised) InitParticleEngine();
  const float sx = x - engine.cameraX;
  const float sy = y - engine.cameraY;
  const auto w = static_cast<float>(engine.screenWidth);
  const auto h = static_cast<float>(engine.screenHeight);
  if (sx < -w || sx > 2 * w || sy < -h || sy > 2 * h) return nullptr;

  auto particle = MakePooled<TParticle>();
  const float a = RandomFloat(0, 360);
  particle->Pos = {x + SinDeg(a) * EmitterRadius, y - CosDeg(a) * EmitterRadius};
  particle->Direction = direction;
  particle->LiveTime = {0, RandomInt(LiveTime[0], LiveTime[1])};
  particle->AngleSpeed = RandomFloat(AngleSpeed[0], AngleSpeed[1]);
  const float d = direction + static_cast<float>(RandomInt(0, static_cast<int>(EmitterSpread))) -
                  EmitterSpread / 2;
  const float s = RandomFloat(MoveSpeed[0], MoveSpeed[1]);
  particle->MoveSpeed = {SinDeg(d) * s, -CosDeg(d) * s};
  particle->Emitter = Emitter;
  if (ConnectedToPivot && pivot) particle->Pivot = pivot;
  particle->Info = shared_from_this();
  engine.particles->AddLast(particle);
  if (SoundEffect) PlaySoundAt(SoundEffect, static_cast<int>(particle->Pos[0]), static_cast<int>(particle->Pos[1]));
  return particle;
}

float TParticleInfo::StartDirection(const TParticle& parent) const {
  switch (EmitterMode) {
    case 0: return parent.Direction;
    case 1: return parent.Direction + 180;
    case 2: return ATan2Deg(parent.MoveSpeed[0], -parent.MoveSpeed[1]);
    case 3: return ATan2Deg(parent.MoveSpeed[0], parent.MoveSpeed[1]);
    case 4: return static_cast<float>(RandomInt(0, 360));
    case 5: return EmittDirection;
    default: return 0;
  }
}

TParticlePtr TParticleInfo::InheritParticle(TParticle& parent, const TEmitterInfo& /*rule*/) {
  const TParticlePtr pivot = ConnectedToPivot ? parent.shared_from_this() : nullptr;
  return CreateParticle(parent.Pos[0], parent.Pos[1], StartDirection(parent), pivot);
}

}  // namespace tolvex
