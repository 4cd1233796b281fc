#include "world/TGObject.h"

#include <nlohmann/json.hpp>

#include "world/TUniverse.h"

namespace tolvex {

void TGObject::DealDamage(float) {}

void TGObject::MeltWithUniverse() { Link = TUniverse::WorldList().AddLast(shared_from_this()); }

void TGObject::Remove() {
  if (!Link) return;
  Link->Remove();
  Link = nullptr;
}

namespace {
const char* KindName(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Ship: return "ship";
    case ObjectKind::Shot: return "shot";
    case ObjectKind::Rocket: return "rocket";
    default: return "object";
  }
}
}  // namespace

void TGObject::Describe(nlohmann::json& out) const {
  out["kind"] = KindName(kind_);
  out["X"] = X;
  out["Y"] = Y;
  out["Speed"] = Speed;
  out["Direction"] = Direction;
  out["Dead"] = Dead;
}

}  // namespace tolvex
