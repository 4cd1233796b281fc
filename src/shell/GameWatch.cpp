#include "shell/GameWatch.h"

#include "core/Globals.h"
#include "world/TShip.h"

namespace tolvex {

namespace {
bool Same(const std::weak_ptr<TShip>& a, const std::shared_ptr<TShip>& b) {
  return !a.owner_before(b) && !b.owner_before(a);
}
}  // namespace

std::optional<ReplayGame> GameWatch::AfterFrame(int frame) {
  if (!Player) return std::nullopt;
  if (!Same(player_, Player)) {
    // A new game builds a new ship.
    player_ = Player;
    startFrame_ = frame;
    ended_ = false;
  }
  if (ended_ || !Player->Dead) return std::nullopt;
  ended_ = true;
  return ReplayGame{startFrame_, frame, static_cast<int>(Player->Points), Player->Kills};
}

}  // namespace tolvex
