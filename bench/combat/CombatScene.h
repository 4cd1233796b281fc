#pragma once
// A steady fight for benchmarks: a number of table ships around the player that
// cannot die, and fixed numbers of shots and rockets kept flying inside the arena.
#include <cstddef>

namespace tolvex {

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

}  // namespace tolvex
