#include "effects/TParticle.h"

#include <cmath>

#include "core/Globals.h"
#include "effects/ParticleEngine.h"
#include "effects/TEmitterInfo.h"
#include "platform/Clock.h"

namespace tolvex {

float TParticle::PosGet(int index) const {
  return Pivot ? Pos[index] + Pivot->PosGet(index) : Pos[index];
}

void TParticle::Process() {
  LiveTime[0] += FrameTime;
  if (LiveTime[0] > LiveTime[1]) {
    Die();
    return;
  }
  Move();
  if (Particles().drawing) Draw();
  Execute();
}

void TParticle::Move() {
  const ParticleEngine& engine = Particles();
  const TParticleInfo& info = *Info;
  // Read once: the compiler cannot know that writing a particle leaves the global alone.
  const float rate = FrameRate;
  if (info.DirectionIsMoveDirection) Direction = ATan2Deg(MoveSpeed[0], -MoveSpeed[1]);
  else Direction += AngleSpeed / rate;
  Pos[0] += MoveSpeed[0] / rate;
  Pos[1] += MoveSpeed[1] / rate;
  MoveSpeed[0] += engine.gravityX / rate;
  MoveSpeed[1] += engine.gravityY / rate;
  if (info.Accelerate != 0) {
    MoveSpeed[0] += SinDeg(Direction) * info.Accelerate / rate;
    MoveSpeed[1] -= CosDeg(Direction) * info.Accelerate / rate;
  }
}

void TParticle::Draw() {
  const TParticleInfo& info = *Info;
  if (!info.Image) return;
  ParticleEngine& engine = Particles();
  const float sx = PosGet(0) - engine.cameraX;
  const float sy = PosGet(1) - engine.cameraY;
  const float r = info.ImageRadius;
  if (sx + r < 0 || sx - r > static_cast<float>(engine.screenWidth) || sy + r < 0 ||
      sy - r > static_cast<float>(engine.screenHeight)) {
    return;
  }
  ++engine.drawn;
  engine.batch.SetRotation(Direction);
  engine.batch.SetBlend(info.BlendMode);
  if (info.Gradient) {
    SetGradientOption(static_cast<float>(LiveTime[0]) / static_cast<float>(LiveTime[1]));
  } else {
    engine.batch.SetColor(255, 255, 255);
    engine.batch.SetAlpha(1);
  }
  engine.batch.DrawImage(info.Image, sx, sy);
}

void TParticle::SetGradientOption(float fraction) {
  const int column = static_cast<int>(std::ceil(fraction * 255.0f)) & 255;
  const std::uint32_t argb = ReadPixel(Info->Gradient, column, 0);
  ParticleBatch& batch = Particles().batch;
  batch.SetColor(static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8),
                 static_cast<std::uint8_t>(argb));
  batch.SetAlpha(static_cast<float>(argb >> 24) / 255.0f);
}

void TParticle::Execute() {
  if (!Emitter) return;
  for (const auto& rule : *Emitter) rule->Execute(*this);
}

void TParticle::Die() {
  Link.Remove();
}

}  // namespace tolvex
