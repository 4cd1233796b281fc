#include "world/TUniverse.h"

namespace tolvex {

namespace {
std::unique_ptr<WorldListType>& WorldListSlot() {
  static std::unique_ptr<WorldListType> list = std::make_unique<WorldListType>();
  return list;
}
}  // namespace

TUniverse::TUniverse() { WorldListSlot() = std::make_unique<WorldListType>(); }

TUniverse::~TUniverse() = default;

WorldListType& TUniverse::WorldList() { return *WorldListSlot(); }

std::shared_ptr<TLink<TGObject>> TUniverse::AddObject(TGObjectPtr object) {
  return WorldList().AddLast(std::move(object));
}

void TUniverse::Process() {
  for (const TGObjectPtr& object : WorldList()) object->Steering();
}

void TUniverse::Draw() {
  for (const TGObjectPtr& object : WorldList()) object->Draw();
}

void TUniverse::Clear() {
  for (const TGObjectPtr& object : WorldList()) object->Remove();
  WorldList().Clear();
}

}  // namespace tolvex
