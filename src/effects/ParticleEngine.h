#pragma once
// The particle engine: the list of live particles, the effect registry and the
// settings every particle reads (gravity, camera, screen size).
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "effects/ParticleBatch.h"
#include "effects/ParticleList.h"
#include "effects/TParticleInfo.h"

namespace tolvex {

// The engine's state; one instance for the program.
struct ParticleEngine {
  std::unique_ptr<ParticleList> particles = std::make_unique<ParticleList>();
  std::map<std::string, TParticleInfoPtr, std::less<>> registry;
  bool initialised = false;
  bool debug = false;
  float gravityX = 0, gravityY = 0;
  float cameraX = 0, cameraY = 0;
  int screenWidth = 0, screenHeight = 0;
  int drawn = 0;
  // Switched on by the main loop at the start of every frame.
  bool drawing = false;
  // Sprites of this frame, drawn in creation order.
  ParticleBatch batch;
};

namespace detail {
// The engine's home; read through Particles(), which every particle asks several times a frame.
extern std::unique_ptr<ParticleEngine> particleEngine;
}  // namespace detail

// The one engine of the program.
inline ParticleEngine& Particles() { return *detail::particleEngine; }
// A fresh engine: no particles, no effects, default settings (tests start from here).
void ResetParticleEngine();

// Starts a new, empty particle list; live particles are dropped.
void InitParticleEngine();
void SetParticleDebug(bool on);
void SetParticleGravity(float x, float y);
void SetParticleScreen(int width, int height);
// The world position of the screen's top-left corner, set before anything is drawn.
void SetParticleCamera(float x, float y);
// Lets particles draw this frame; the main loop switches it on when a frame begins.
void SetParticleDrawing(bool on);
// Ages, moves, draws and lets emit every live particle, once per frame.
void UpdateParticles();
// Draws every live particle where it is, without ageing or moving it (a paused game).
void DrawParticles();
// Live particles in the list.
std::size_t ParticleCount();

}  // namespace tolvex
