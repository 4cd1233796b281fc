// What a frame costs besides drawing: the 60-ship fight's frames against bare replays of their
// own draw calls. A program of its own, so that the fight starts from a fresh game: fights
// played before it in the same program leave traces (the level, messages, the player's
// guns) that change what it draws.
#include <benchmark/benchmark.h>

#include <chrono>

#include "CombatScene.h"
#include "platform/DrawList.h"
#include "platform/Graphics.h"
#include "shell/MainLoop.h"

namespace tolvex {
namespace {

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
