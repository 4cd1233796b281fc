#pragma once
// A steady fight for benchmarks: a number of table ships around the player that
// cannot die, and fixed numbers of shots and rockets kept flying inside the arena.
#include <benchmark/benchmark.h>

#include <cstddef>

namespace tolvex {

class FrameHooks;

// The fights' shots and rockets kept flying.
constexpr int kShots = 1500;
constexpr int kRockets = 100;
// Frames a fight is played before its heaviest stretch: its smoke has peaked by then.
constexpr int kSettledFrames = 120;
// Frames timed: a fixed number, so every build draws the same frames of the same fight,
// whatever its speed.
constexpr int kTimedFrames = 120;

// What is in the world right now.
struct CombatCounts {
  std::size_t ships = 0, shots = 0, rockets = 0;
};

class CombatScene {
 public:
  CombatScene(int ships, int shots, int rockets) : ships_(ships), shots_(shots), rockets_(rockets) {}

  // Starts the game headless at 1280×720 with 16-ms frames (once per process).
  static void StartHeadlessGame();
  // Replaces every ship but the player by the scene's ships of the ship table.
  void Build();
  // Between frames: brings shots and rockets back to their numbers and into the arena,
  // brings straying ships back, keeps everyone alive and the player's idle timer at 0;
  // clearParticles drops the effects a logic-only run never ages.
  void Maintain(bool clearParticles);
  CombatCounts Count() const;

 private:
  void TopUpShots(std::size_t have);
  void TopUpRockets(std::size_t have);
  int ships_, shots_, rockets_;
};

// Reports the scene's ships, shots and rockets and the live particles as the benchmark's counters.
void ReportCounts(benchmark::State& state, const CombatScene& scene);
// Plays frames of the scene untimed, as a benchmark's warm-up; frame counts them.
void PlayFrames(CombatScene& scene, FrameHooks& hooks, int& frame, int count);

}  // namespace tolvex
