#include "effects/ParticleEngine.h"

#include <string>

#include "effects/TParticle.h"
#include "platform/Diagnostics.h"
#include "platform/Graphics.h"

namespace tolvex {

std::unique_ptr<ParticleEngine> detail::particleEngine = std::make_unique<ParticleEngine>();

namespace {

void DrawDebugCounter(const ParticleEngine& engine) {
  DrawText("Particle(Drawn/Total): " + std::to_string(engine.drawn) + " / " +
               std::to_string(engine.particles->Count()),
           10, 10);
}

}  // namespace

void ResetParticleEngine() { detail::particleEngine = std::make_unique<ParticleEngine>(); }

void InitParticleEngine() {
  ParticleEngine& engine = Particles();
  engine.particles = std::make_unique<ParticleList>();
  if (engine.debug) WriteDebugLine("GlimmerEngine[Tolvex 1.07] ready");
  engine.initialised = true;
}

void SetParticleDebug(bool on) { Particles().debug = on; }

void SetParticleGravity(float x, float y) {
  Particles().gravityX = x;
  Particles().gravityY = y;
}

void SetParticleScreen(int width, int height) {
  Particles().screenWidth = width;
  Particles().screenHeight = height;
}

void SetParticleCamera(float x, float y) {
  Particles().cameraX = x;
  Particles().cameraY = y;
}

void SetParticleDrawing(bool on) { Particles().drawing = on; }

namespace {

// Visits every live particle with the drawing state particles expect, then draws what they queued.
template <typename Visit>
void VisitParticles(Visit&& visit) {
  ParticleEngine& engine = Particles();
  if (!engine.initialised) InitParticleEngine();
  if (engine.drawing) {
    SetRotation(0);
    SetScale(1, 1);
  }
  engine.drawn = 0;
  engine.particles->Walk(visit);
  engine.batch.Flush();
  SetRotation(0);
  SetBlend(kBlendAlpha);
  SetAlpha(1);
  SetColor(255, 255, 255);
  if (engine.debug) DrawDebugCounter(engine);
}

}  // namespace

void UpdateParticles() {
  VisitParticles([](TParticle& particle) { particle.Process(); });
}

void DrawParticles() {
  if (!Particles().drawing) return;
  VisitParticles([](TParticle& particle) { particle.Draw(); });
}

std::size_t ParticleCount() { return Particles().particles->Count(); }

}  // namespace tolvex
