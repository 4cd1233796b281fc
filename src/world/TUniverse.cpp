#include "world/TUniverse.h"

#include "core/Globals.h"

namespace tolvex {

std::unique_ptr<TUniverse> Universe;

TUniverse::TUniverse() { WorldListSlot() = std::make_unique<WorldListType>(); }

TUniverse::~TUniverse() = default;

std::shared_ptr<TLink<TGObject>> TUniverse::AddObject(TGObjectPtr object) {
  return WorldList().AddLast(std::move(object));
}

void TUniverse::Process() {
  ++passNumber_;
  inPass_ = true;
  WorldList().PrefetchLinks();
  for (const TGObjectPtr& object : WorldList()) object->Steering();
  inPass_ = false;
}

void TUniverse::Draw() {
  WorldList().PrefetchLinks();
  for (const TGObjectPtr& object : WorldList()) object->Draw();
}

void TUniverse::Clear() {
  for (const TGObjectPtr& object : WorldList()) object->Remove();
  WorldList().Clear();
}

}  // namespace tolvex
