#include "world/TUniverse.h"

namespace tolvex {

namespace {
std::unique_ptr<WorldListType>& WorldListSlot() {
  static std::unique_ptr<WorldListType> list = std::make_unique<WorldListType>();
  return list;
}
std::uint64_t passNumber = 0;
bool inPass = false;
}  // namespace

TUniverse::TUniverse() { WorldListSlot() = std::make_unique<WorldListType>(); }

TUniverse::~TUniverse() = default;

WorldListType& TUniverse::WorldList() { return *WorldListSlot(); }

std::shared_ptr<TLink<TGObject>> TUniverse::AddObject(TGObjectPtr object) {
  return WorldList().AddLast(std::move(object));
}

std::uint64_t TUniverse::PassNumber() { return passNumber; }
bool TUniverse::InPass() { return inPass; }

void TUniverse::Process() {
  ++passNumber;
  inPass = true;
  for (const TGObjectPtr& object : WorldList()) object->Steering();
  inPass = false;
}

void TUniverse::Draw() {
  for (const TGObjectPtr& object : WorldList()) object->Draw();
}

void TUniverse::Clear() {
  for (const TGObjectPtr& object : WorldList()) object->Remove();
  WorldList().Clear();
}

}  // namespace tolvex
