#include "core/StageLink.h"

namespace tolvex {

namespace {
std::weak_ptr<StageLink>& RunningStage() {
  static std::weak_ptr<StageLink> stage;
  return stage;
}
}  // namespace

void SetRunningStage(const std::shared_ptr<StageLink>& stage) { RunningStage() = stage; }

std::string RunningStageName() {
  const std::shared_ptr<StageLink> stage = RunningStage().lock();
  return stage ? stage->StageName() : std::string();
}

void TellRunningStage(std::string_view msg) {
  if (const std::shared_ptr<StageLink> stage = RunningStage().lock()) stage->TellConditions(msg);
}

}  // namespace tolvex
