#pragma once
// The world container: the one list of every ship, shot and rocket in play.
#include <cstdint>

#include "world/TGObject.h"

namespace tolvex {

using WorldListType = TList<TGObject>;

class TUniverse {
 public:
  // Creates the world list anew.
  TUniverse();
  virtual ~TUniverse();

  // The world list of the one universe; ships first (newest first), then shots and rockets.
  static WorldListType& WorldList();
  // Counts the Process passes: the number of the pass running (or last run), and whether
  // one runs now. Within a pass every ship has steered before the first shot or rocket does.
  static std::uint64_t PassNumber();
  static bool InPass();

  // Appends any object at the back and returns its entry.
  virtual std::shared_ptr<TLink<TGObject>> AddObject(TGObjectPtr object);
  // Every object steers once, in list order.
  virtual void Process();
  // Every object draws once, in list order.
  virtual void Draw();
  // Removes every object through its own Remove, then empties the list.
  virtual void Clear();
  // Every enemy ship turns to leave the battle.
  virtual void AllEnemyEscape();
};

}  // namespace tolvex
