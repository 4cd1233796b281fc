#include "weapons/KillCredit.h"

#include <algorithm>
#include <vector>

#include "world/TShip.h"

namespace tolvex {

namespace {

// Ships whose kill is booked; weak, so they keep nobody alive.
std::vector<std::weak_ptr<TShip>> credited;

// A ship leaves the record once it is gone, removed, or back on its feet (an AI kill heals 50).
bool NoLongerDown(const std::weak_ptr<TShip>& entry) {
  const auto ship = entry.lock();
  return !ship || ship->Dead || ship->HP > 0;
}

bool SameShip(const std::weak_ptr<TShip>& a, const std::shared_ptr<TShip>& b) {
  return !a.owner_before(b) && !b.owner_before(a);
}

}  // namespace

bool FirstCreditFor(const std::shared_ptr<TShip>& victim) {
  std::erase_if(credited, NoLongerDown);
  if (std::any_of(credited.begin(), credited.end(), [&](const auto& entry) { return SameShip(entry, victim); })) {
    return false;
  }
  credited.push_back(victim);
  return true;
}

}  // namespace tolvex
