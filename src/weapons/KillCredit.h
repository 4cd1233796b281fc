#pragma once
// A ship is credited as killed once. A ship brought to exactly 0 hit points stays in the
// world, and hittable, until its own step removes it, so several shots and rockets of one
// frame can each find it down; only the first of them books the kill and pays the rewards.
#include <memory>

namespace tolvex {

class TShip;

// True the first time a fallen ship is offered; false while it stays down and unremoved.
bool FirstCreditFor(const std::shared_ptr<TShip>& victim);

}  // namespace tolvex
