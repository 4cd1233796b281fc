#pragma once
// Numbered things sorted into square cells of the plane. Each thing is entered in every
// cell its reach overlaps, so the things that may reach a point are those listed in the
// point's cell, in the order they were entered. The plane is unbounded, so cells far apart
// share a slot of the table; that only adds candidates a distance test drops. Each listing
// carries the thing's circle, so that test needs nothing but the listing.
#include <span>
#include <utility>
#include <vector>

namespace tolvex {

class ProximityGrid {
 public:
  // A thing as entered: its number and the circle it reaches over by itself (a little widened
  // for rounding).
  struct Thing {
    int index;
    float x, y, reach;
    // True if (px, py) lies within the circle grown by `more`, the asker's own reach.
    bool Reaches(float px, float py, float more) const {
      const float dx = px - x, dy = py - y, r = reach + more;
      return dx * dx + dy * dy <= r * r;
    }
  };

  explicit ProximityGrid(float cellSize) : perCell_(1.0f / cellSize) {}

  // Empties the grid for a new set of things.
  void Clear();
  // Enters thing `index` with its reach around (x, y), listed in every cell within that reach
  // plus `askers`, the farthest any asker reaches. Things must be entered in the order their
  // cells should list them. A position or reach that is not finite makes the grid unusable.
  void Add(int index, float x, float y, float reach, float askers = 0);
  // Sorts the entries into their cells; call after the last Add.
  void Finish();
  // False when some thing could not be placed: ask every thing instead.
  bool Usable() const { return usable_; }
  // The things that may reach (x, y), in the order they were entered (a point that is not
  // finite gets none: the caller must not ask for it); those that do pass Thing::Reaches
  // with the asker's reach.
  std::span<const Thing> Near(float x, float y) const;

 private:
  static constexpr int kSide = 32;  // slots per axis
  int SlotOf(long long column, long long row) const;
  long long CellOf(float coordinate) const;

  float perCell_;  // cells per unit of length
  bool usable_ = true;
  std::vector<std::pair<int, Thing>> entries_;  // (slot, thing)
  std::vector<Thing> things_;
  std::vector<int> starts_, cursor_;  // all kept between builds, so rebuilding does not allocate
};

}  // namespace tolvex
