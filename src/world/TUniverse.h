#pragma once
// The world container: the one list of every ship, shot and rocket in play.
#include <cstdint>
#include <memory>

#include "world/TGObject.h"

namespace tolvex {

using WorldListType = TList<TGObject>;

class TUniverse {
 public:
  // Creates the world list anew.
  TUniverse();
  virtual ~TUniverse();

  // The world list of the one universe; ships first (newest first), then shots and rockets.
  // Inline: every shot asks for it several times a frame.
  static WorldListType& WorldList() { return *WorldListSlot(); }
  // Counts the Process passes: the number of the pass running (or last run), and whether
  // one runs now. Within a pass every ship has steered before the first shot or rocket does.
  static std::uint64_t PassNumber() { return passNumber_; }
  static bool InPass() { return inPass_; }

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

 private:
  // Made on first use, so it exists before anything a static initialiser puts into the world.
  static std::unique_ptr<WorldListType>& WorldListSlot() {
    static std::unique_ptr<WorldListType> list = std::make_unique<WorldListType>();
    return list;
  }
  inline static std::uint64_t passNumber_ = 0;
  inline static bool inPass_ = false;
};

}  // namespace tolvex
