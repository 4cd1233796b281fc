#pragma once
// Numbered things sorted into square cells of the plane. Each thing is entered in every
// cell its reach overlaps, so the things that may reach a point are those listed in the
// point's cell, in the order they were entered. The plane is unbounded, so cells far apart
// share a slot of the table; that only adds candidates a distance test drops.
#include <span>
#include <utility>
#include <vector>

namespace tolvex {

class ProximityGrid {
 public:
  explicit ProximityGrid(float cellSize) : cellSize_(cellSize) {}

  // Empties the grid for a new set of things.
  void Clear();
  // Enters thing `index` with its reach around (x, y). Things must be entered in the order
  // their cells should list them. A position or reach that is not finite makes the grid unusable.
  void Add(int index, float x, float y, float reach);
  // Sorts the entries into their cells; call after the last Add.
  void Finish();
  // False when some thing could not be placed: ask every thing instead.
  bool Usable() const { return usable_; }
  // The things that may reach (x, y), in the order they were entered (a point that is not
  // finite gets none: the caller must not ask for it).
  std::span<const int> Near(float x, float y) const;

 private:
  static constexpr int kSide = 32;  // slots per axis
  int SlotOf(long long column, long long row) const;
  long long CellOf(float coordinate) const;

  float cellSize_;
  bool usable_ = true;
  std::vector<std::pair<int, int>> entries_;  // (slot, thing)
  std::vector<int> starts_, things_, cursor_;  // all kept between builds, so rebuilding does not allocate
};

}  // namespace tolvex
