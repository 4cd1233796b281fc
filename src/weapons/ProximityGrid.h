#pragma once
// Numbered things sorted into square cells of the plane. Each thing is entered in every
// cell its reach overlaps, so the things that may reach a point are those listed in the
// point's cell, in the order they were entered. The plane is unbounded, so cells far apart
// share a slot of the table; that only adds candidates a distance test drops. Each listing
// carries the thing's circle, so that test needs nothing but the listing.
#include <algorithm>
#include <span>
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
  // The slot of the table that the cell of the finite point (x, y) falls in. It depends on the
  // cell size alone, so grids of one cell size agree on it and one look serves them all.
  int SlotAt(float x, float y) const { return SlotOf(CellOf(x), CellOf(y)); }
  // The things listed in a slot: InSlot(SlotAt(x, y)) is Near(x, y).
  std::span<const Thing> InSlot(int slot) const {
    if (starts_.empty()) return {};
    const auto at = static_cast<std::size_t>(slot);
    return std::span<const Thing>(things_.data() + starts_[at], things_.data() + starts_[at + 1]);
  }

 private:
  static constexpr int kSide = 32;  // slots per axis, a power of two
  static int SlotOf(long long column, long long row) {
    // The low bits of a two's-complement number are its remainder by kSide, negative ones too.
    const auto wrap = [](long long value) { return static_cast<int>(value & (kSide - 1)); };
    return wrap(row) * kSide + wrap(column);
  }
  long long CellOf(float coordinate) const {
    // Far beyond any battle the cells only need to stay ordered, not distinct.
    // Every shot asks for its cell, so the floor is taken by hand: the library's costs more
    // than the rest of the lookup on a plain x86-64 build.
    const float cell = std::clamp(coordinate * perCell_, -1.0e15f, 1.0e15f);
    const auto whole = static_cast<long long>(cell);
    return static_cast<float>(whole) > cell ? whole - 1 : whole;
  }

  float perCell_;  // cells per unit of length
  bool usable_ = true;
  // A thing as entered, with the block of cells it is listed in: from its first column and row
  // (wrapped into the table), so many columns and rows on.
  struct Entered {
    Thing thing;
    int column, row, columns, rows;
  };
  // Calls list(slot) for every slot the thing is listed in, row by row.
  template <class List>
  static void ForEachSlot(const Entered& entered, List&& list) {
    for (int row = 0; row < entered.rows; ++row) {
      const int rowStart = ((entered.row + row) & (kSide - 1)) * kSide;
      for (int column = 0; column < entered.columns; ++column) list(rowStart + ((entered.column + column) & (kSide - 1)));
    }
  }
  std::vector<Entered> entered_;
  std::vector<Thing> things_;
  std::vector<int> starts_, cursor_;  // all kept between builds, so rebuilding does not allocate
};

}  // namespace tolvex
