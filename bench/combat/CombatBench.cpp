// How long a fight takes per frame: the world step alone, and a whole headless frame.
#include <benchmark/benchmark.h>

#include <chrono>

#include "CombatScene.h"
#include "core/Globals.h"
#include "effects/ParticleEngine.h"
#include "platform/DrawList.h"
#include "platform/Graphics.h"
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
// A fixed number of steps, like every benchmark here: the fights that follow in this program
// then start from the same state on every build, however fast it is.
BENCHMARK(BM_WorldStep)->Arg(20)->Arg(60)->Arg(180)->Iterations(2000)->Unit(benchmark::kMillisecond);

// One frame of the main loop as the game runs it, drawn at 1280×720 by the software renderer.
// Arguments: ships, rockets (their exhaust trails are most of the particles) and frames played
// untimed first. From the start (0) the fight's smoke builds up over the timed frames; after
// 120 frames it has peaked and the timed stretch is the fight's heaviest. A fixed number of frames
// is timed, so every build draws the same frames of the same fight, whatever its speed.
constexpr int kSettledFrames = 120;
constexpr int kTimedFrames = 120;

// Plays frames untimed, as a benchmark's warm-up.
void PlayFrames(CombatScene& scene, FrameHooks& hooks, int& frame, int count) {
  for (const int last = frame + count; frame < last;) {
    scene.Maintain(false);
    RunFrame(hooks, ++frame);
  }
}

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

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The 60-ship fight, frame by frame: each game frame is recorded as it is drawn, then
// the same draw calls are made again with bare SDL calls. The ratio of the two times is
// what the game spends on everything that is not putting pixels on the screen.
void BM_FrameAgainstReplay(benchmark::State& state) {
  CombatScene::StartHeadlessGame();
  CombatScene scene(60, kShots, kRockets);
  scene.Build();
  FrameHooks hooks;
  DrawList list;
  int frame = 0;
  // The heaviest stretch of the fight, as the settled headless frame times it.
  PlayFrames(scene, hooks, frame, kSettledFrames);
  double frameSeconds = 0, replaySeconds = 0, calls = 0;
  for (auto _ : state) {
    scene.Maintain(false);
    StartRecording(list);
    auto start = std::chrono::steady_clock::now();
    RunFrame(hooks, ++frame);
    FinishDrawing();
    frameSeconds += SecondsSince(start);
    StopRecording();
    start = std::chrono::steady_clock::now();
    list.Replay(ScreenRenderer());
    FinishDrawing();
    replaySeconds += SecondsSince(start);
    calls += static_cast<double>(list.Calls());
  }
  const auto perFrame = benchmark::Counter::kAvgIterations;
  state.counters["frame_ms"] = benchmark::Counter(frameSeconds * 1e3, perFrame);
  state.counters["replay_ms"] = benchmark::Counter(replaySeconds * 1e3, perFrame);
  state.counters["draw_calls"] = benchmark::Counter(calls, perFrame);
  state.counters["ratio"] = replaySeconds > 0 ? frameSeconds / replaySeconds : 0;
  ReportCounts(state, scene);
}
BENCHMARK(BM_FrameAgainstReplay)->Iterations(kTimedFrames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvex

BENCHMARK_MAIN();
