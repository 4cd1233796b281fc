// How long a fight takes per frame: the world step alone, and a whole headless frame.
#include <benchmark/benchmark.h>

#include "CombatScene.h"
#include "core/Globals.h"
#include "effects/ParticleEngine.h"
#include "shell/MainLoop.h"
#include "world/TUniverse.h"

namespace tolvex {
namespace {

constexpr int kShots = 1500;
constexpr int kRockets = 100;

void ReportCounts(benchmark::State& state, const CombatScene& scene) {
  const CombatCounts counts = scene.Count();
  state.counters["ships"] = static_cast<double>(counts.ships);
  state.counters["shots"] = static_cast<double>(counts.shots);
  state.counters["rockets"] = static_cast<double>(counts.rockets);
  state.counters["particles"] = static_cast<double>(ParticleCount());
}

// Every ship, shot and rocket steers once: flight, aiming, firing, hit tests.
void BM_WorldStep(benchmark::State& state) {
  CombatScene::StartHeadlessGame();
  CombatScene scene(static_cast<int>(state.range(0)), kShots, kRockets);
  scene.Build();
  // A few steps first: the first hit tests of a sprite build its mask.
  for (int step = 0; step < 10; ++step) {
    scene.Maintain(true);
    Universe->Process();
  }
  for (auto _ : state) {
    state.PauseTiming();
    scene.Maintain(true);
    state.ResumeTiming();
    Universe->Process();
  }
  ReportCounts(state, scene);
}
BENCHMARK(BM_WorldStep)->Arg(20)->Arg(60)->Arg(180)->Unit(benchmark::kMillisecond);

// One frame of the main loop as the game runs it, drawn at 1280×720 by the software renderer.
// The second argument is the number of rockets: their exhaust trails are most of the particles.
void BM_HeadlessFrame(benchmark::State& state) {
  CombatScene::StartHeadlessGame();
  CombatScene scene(static_cast<int>(state.range(0)), kShots, static_cast<int>(state.range(1)));
  scene.Build();
  FrameHooks hooks;
  int frame = 0;
  for (auto _ : state) {
    state.PauseTiming();
    scene.Maintain(false);
    state.ResumeTiming();
    RunFrame(hooks, ++frame);
  }
  ReportCounts(state, scene);
}
BENCHMARK(BM_HeadlessFrame)->Args({60, kRockets})->Args({60, 0})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvex

BENCHMARK_MAIN();
