// How long a fight takes per frame: the world step alone, and a whole headless frame.
#include <benchmark/benchmark.h>

#include "CombatScene.h"
#include "core/Globals.h"
#include "effects/ParticleEngine.h"
#include "shell/MainLoop.h"
#include "world/TUniverse.h"

namespace tolvex {
namespace {

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
// A fixed number of steps, like every benchmark here: the fights that follow in this program
// then start from the same state on every build, however fast it is.
BENCHMARK(BM_WorldStep)->Arg(20)->Arg(60)->Arg(180)->Arg(540)->Arg(1000)->Iterations(2000)->Unit(benchmark::kMillisecond);

// One frame of the main loop as the game runs it, drawn at 1280×720 by the software renderer.
// Arguments: ships, rockets (their exhaust trails are most of the particles) and frames played
// untimed first. From the start (0) the fight's smoke builds up over the timed frames; after
// kSettledFrames it has peaked and the timed stretch is the fight's heaviest.

void BM_HeadlessFrame(benchmark::State& state) {
  CombatScene::StartHeadlessGame();
  CombatScene scene(static_cast<int>(state.range(0)), kShots, static_cast<int>(state.range(1)));
  scene.Build();
  FrameHooks hooks;
  int frame = 0;
  PlayFrames(scene, hooks, frame, static_cast<int>(state.range(2)));
  double particles = 0;
  for (auto _ : state) {
    state.PauseTiming();
    scene.Maintain(false);
    particles += static_cast<double>(ParticleCount());
    state.ResumeTiming();
    RunFrame(hooks, ++frame);
  }
  ReportCounts(state, scene);
  // The mean over the timed frames: the load each frame drew, not just the last one.
  state.counters["particles"] = benchmark::Counter(particles, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_HeadlessFrame)
    ->Args({60, kRockets, 0})
    ->Args({60, kRockets, kSettledFrames})
    ->Args({60, 0, kSettledFrames})
    ->ArgNames({"ships", "rockets", "untimed"})
    ->Iterations(kTimedFrames)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvex

BENCHMARK_MAIN();
