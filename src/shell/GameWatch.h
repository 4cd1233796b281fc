#pragma once
// Watches the session frame by frame for games that begin and end, by the player's ship.
#include <memory>
#include <optional>

#include "shell/ReplayFile.h"

namespace tolvex {

class TShip;

class GameWatch {
 public:
  // Looks at the game after a frame; the game that ended in it, if one did.
  std::optional<ReplayGame> AfterFrame(int frame);

 private:
  std::weak_ptr<TShip> player_;
  int startFrame_ = 0;
  bool ended_ = false;
};

}  // namespace tolvex
