#pragma once
// What the ship layer reads of the running stage and tells it. The stages sit above the ships, so
// the running stage makes itself known here when it starts.
#include <memory>
#include <string>
#include <string_view>

namespace tolvex {

// The running stage as the ships see it.
class StageLink {
 public:
  virtual ~StageLink() = default;
  // The name the HUD shows.
  virtual const std::string& StageName() const = 0;
  // Passes a message ("shipdeath,<id>") to the stage's conditions.
  virtual void TellConditions(std::string_view msg) = 0;
};

// Makes a stage the running one (null: none); only a weak reference is kept, so a stage that is
// gone counts as none.
void SetRunningStage(const std::shared_ptr<StageLink>& stage);
// The running stage's name; "" without one.
std::string RunningStageName();
// Passes a message to the running stage's conditions; nothing happens without one.
void TellRunningStage(std::string_view msg);

}  // namespace tolvex
