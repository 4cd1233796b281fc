#include "weapons/ProximityGrid.h"

#include <algorithm>
#include <cmath>

namespace tolvex {

namespace {
// Slack for rounding: a thing reaches a little farther in the grid than in any distance test.
constexpr float kSlack = 2.0f;
}  // namespace

void ProximityGrid::Clear() {
  usable_ = true;
  entered_.clear();
  starts_.clear();
  things_.clear();
}

void ProximityGrid::Add(int index, float x, float y, float reach, float askers) {
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(reach) || !std::isfinite(askers)) {
    usable_ = false;
    return;
  }
  const float own = std::max(reach, 0.0f) + kSlack, r = own + std::max(askers, 0.0f);
  const long long left = CellOf(x - r), right = std::min(CellOf(x + r), left + kSide - 1);
  const long long top = CellOf(y - r), bottom = std::min(CellOf(y + r), top + kSide - 1);
  const auto wrap = [](long long value) { return static_cast<int>(value & (kSide - 1)); };
  entered_.push_back(Entered{Thing{index, x, y, own}, wrap(left), wrap(top), static_cast<int>(right - left + 1),
                             static_cast<int>(bottom - top + 1)});
}

void ProximityGrid::Finish() {
  // A counting sort by slot keeps each slot's things in the order they were entered: the
  // things' cells are counted, then each is listed in its slots.
  starts_.assign(kSide * kSide + 1, 0);
  for (const Entered& entered : entered_) ForEachSlot(entered, [&](int slot) { ++starts_[static_cast<std::size_t>(slot) + 1]; });
  for (std::size_t slot = 1; slot < starts_.size(); ++slot) starts_[slot] += starts_[slot - 1];
  things_.resize(static_cast<std::size_t>(starts_.back()));
  cursor_.assign(starts_.begin(), starts_.end() - 1);
  for (const Entered& entered : entered_) {
    ForEachSlot(entered, [&](int slot) { things_[static_cast<std::size_t>(cursor_[static_cast<std::size_t>(slot)]++)] = entered.thing; });
  }
}

std::span<const ProximityGrid::Thing> ProximityGrid::Near(float x, float y) const {
  if (!std::isfinite(x) || !std::isfinite(y)) return {};
  return InSlot(SlotAt(x, y));
}

}  // namespace tolvex
