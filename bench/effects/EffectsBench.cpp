// Speed of the particle engine with the game's own effects, and of the backdrop layers.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

#include "core/Globals.h"
#include "effects/AmbientTable.h"
#include "effects/ParticleEffects.h"
#include "effects/ParticleEngine.h"
#include "effects/TAmbient.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"

namespace tolvex {
namespace {

// A soft round sprite (alpha falling off to the rim) standing in for missing artwork.
ImagePtr SoftSprite(int width, int height) {
  Pixmap pixmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const float dx = (x + 0.5f) / width * 2 - 1, dy = (y + 0.5f) / height * 2 - 1;
      const float a = std::max(0.0f, 1 - std::sqrt(dx * dx + dy * dy));
      pixmap.At(x, y) = (static_cast<std::uint32_t>(a * 255) << 24) | 0xFFFFFF;
    }
  }
  return CreateImageFromPixmap(std::move(pixmap));
}

// A yellow-to-red ramp fading out, standing in for a missing gradient.
PixmapPtr Ramp() {
  auto ramp = std::make_shared<Pixmap>(256, 1);
  for (int x = 0; x < 256; ++x) {
    ramp->At(x, 0) = (static_cast<std::uint32_t>(255 - x) << 24) | 0xFF0000 | ((255 - x) << 8);
  }
  return ramp;
}

// Gives effects whose artwork is not embedded a stand-in of the sprite's real size.
void FillMissingParticleArt() {
  const std::map<std::string, std::pair<int, int>> sizes = {
      {"RAntrieb1", {12, 102}}, {"RAntrieb0", {12, 51}}, {"RAntrieb3", {25, 50}}, {"Funken1", {12, 13}},
      {"Truemmer1", {13, 13}},  {"Truemmer2", {23, 30}}};
  for (auto& [id, info] : Particles().registry) {
    const bool invisible = id.find("Explosion") != std::string::npos && id.find("Schuss") == std::string::npos;
    if (info->Image || invisible) continue;
    const bool smoke = id.find("Feuer") != std::string::npos || id == "Plasma";
    const auto found = sizes.find(id);
    const auto [w, h] = found != sizes.end() ? found->second : std::pair{smoke ? 64 : 32, smoke ? 64 : 32};
    info->Image = SoftSprite(w, h);
    CentreHandle(info->Image);
    info->ImageRadius = std::sqrt(static_cast<float>((w / 2) * (w / 2) + (h / 2) * (h / 2)));
    const bool debris = id.rfind("Truemmer", 0) == 0;
    info->BlendMode = debris ? 3 : 4;
    if (!debris) info->Gradient = Ramp();
  }
}

// Starts one of the game's effects at a random point of the screen, as a battle does.
void StartRandomEffect() {
  static const TParticleInfoPtr* const kEffects[] = {&FxExplosionShip, &FxExplosionShipBig, &FxExplosion,
                                                     &FxRocket1Explosion, &FxRocketPlasmaExpl, &FxSchussExplosion1,
                                                     &FxFunken1, &FxRAntrieb1, &FxRAntrieb0, &FxRAntrieb3};
  const auto& effect = *kEffects[RandomInt(0, std::size(kEffects) - 1)];
  effect->CreateParticle(RandomFloat(0, 1280), RandomFloat(0, 720), RandomFloat(0, 360), nullptr);
}

// The headless software screen, or with TOLVEX_BENCH_GL set the accelerated renderer in a
// window (run with SDL_VIDEODRIVER=offscreen to measure OpenGL without a display). OpenGL is
// measured even where it draws on the CPU, which the game itself passes over.
void OpenBenchScreen(int width, int height) {
  if (!std::getenv("TOLVEX_BENCH_GL")) {
    OpenHeadlessScreen(width, height);
    return;
  }
  setenv("TOLVEX_RENDERER", "accelerated", 1);
  OpenScreen(width, height, 0, 60, RendererKind::Accelerated);
}

// Waits until the frame is really drawn: reading a pixel back makes a queued or
// asynchronous renderer finish its work.
void FinishDrawing() { benchmark::DoNotOptimize(GrabPixmap(0, 0, 1, 1)); }

void SetUpParticleScene(int width, int height) {
  ResetShellGlobals();
  ResetParticleEngine();
  OpenBenchScreen(width, height);
  GfxWidth = width;
  GfxHeight = height;
  FrameTime = 16;
  FrameRate = 1000.0f / 16;
  SeedRandom(1);
  SetParticleScreen(width, height);
  SetParticleCamera(0, 0);
  CreateParticleEffects();
  FillMissingParticleArt();
}

// Keeps the population near the target: a few new effects per frame while below it,
// as explosions, impacts and trails come and go.
void KeepPopulation(std::size_t target) {
  for (int i = 0; i < 4 && ParticleCount() < target; ++i) StartRandomEffect();
}

void ParticleFrames(benchmark::State& state, bool drawing, ParticleBatch::Mode mode) {
  constexpr std::size_t kTarget = 20000;
  SetUpParticleScene(1280, 720);
  Particles().batch.SetMode(mode);
  for (int frame = 0; frame < 600; ++frame) {  // ten seconds of battle to settle
    KeepPopulation(kTarget);
    UpdateParticles();
  }
  double particleFrames = 0;
  for (auto _ : state) {
    KeepPopulation(kTarget);
    Cls();
    SetParticleDrawing(drawing);
    particleFrames += static_cast<double>(ParticleCount());
    UpdateParticles();
    FinishDrawing();
  }
  state.counters["particles"] = benchmark::Counter(particleFrames, benchmark::Counter::kAvgIterations);
  state.counters["drawn"] = static_cast<double>(Particles().drawn);
  state.counters["ns_per_particle"] =
      benchmark::Counter(particleFrames * 1e-9, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  ResetParticleEngine();
  CloseScreen();
}

void BM_Particles20000Drawn(benchmark::State& state) {
  ParticleFrames(state, true, ParticleBatch::Mode::ByRenderer);
}
void BM_Particles20000DrawnAsGeometry(benchmark::State& state) {
  ParticleFrames(state, true, ParticleBatch::Mode::Geometry);
}
void BM_Particles20000Logic(benchmark::State& state) {
  ParticleFrames(state, false, ParticleBatch::Mode::ByRenderer);
}
BENCHMARK(BM_Particles20000Drawn)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_Particles20000DrawnAsGeometry)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Particles20000Logic)->Unit(benchmark::kMillisecond)->MinTime(2);

// Stand-ins for backdrop artwork that is not embedded: opaque deep space, translucent
// nebula layers, planets.
void FillMissingLayerArt() {
  const auto space = SoftSprite(1024, 768);
  const auto nebula = SoftSprite(1024, 1024);
  const auto planet = SoftSprite(300, 300);
  for (const auto& ambient : Ambients) {
    for (const auto& layer : ambient->Layers) {
      if (layer->Image) continue;
      layer->Image = layer->NotTiled ? planet : (layer->Level == 0 ? space : nebula);
      const auto w = static_cast<float>(layer->Image->Width()), h = static_cast<float>(layer->Image->Height());
      layer->ImageRadius = std::sqrt(w * w + h * h);
    }
  }
}

void BM_AmbientLayers(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  const int index = static_cast<int>(state.range(2));
  ResetShellGlobals();
  TAmbient::ResetActiveList();
  OpenBenchScreen(width, height);
  GfxWidth = width;
  GfxHeight = height;
  FrameTime = 16;
  FrameRate = 1000.0f / 16;
  CreateAmbients();
  FillMissingLayerArt();
  Ambients[index]->FadeInOut(1, 0);
  for (auto _ : state) {
    CameraX += 3.7f;
    CameraY -= 1.3f;
    TAmbient::Update();
    TAmbient::DrawLayers(0);
    TAmbient::DrawLayers(1);
    TAmbient::DrawLayers(2);
    FinishDrawing();
  }
  TAmbient::ResetActiveList();
  CloseScreen();
}
BENCHMARK(BM_AmbientLayers)
    ->ArgsProduct({{1280}, {720}, {0, 1, 2, 3, 4, 5}})
    ->ArgsProduct({{1920}, {1080}, {0, 1, 2, 3, 4, 5}})
    ->ArgsProduct({{3840}, {2160}, {0}})
    ->ArgNames({"w", "h", "ambient"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvex

BENCHMARK_MAIN();
