#include "world/TGObject.h"

#include "world/TUniverse.h"

namespace tolvex {

void TGObject::DealDamage(float) {}

void TGObject::MeltWithUniverse() { Link = TUniverse::WorldList().AddLast(shared_from_this()); }

void TGObject::Remove() {
  if (!Link) return;
  Link->Remove();
  Link = nullptr;
}

}  // namespace tolvex
