#pragma once
// Four floats side by side, worked on lane by lane (GCC's vector extension), and the answers of
// comparing them: the hit tests and the turrets' nearest searches take four values at a time.
#include <bit>
#include <cstdint>

#ifdef __SSE__
#include <immintrin.h>
#endif

namespace tolvex {

// Four values side by side; arithmetic and comparisons work lane by lane.
using Lanes = float __attribute__((vector_size(16)));
// Per-lane answers of comparing Lanes: all bits set for yes.
using LaneFlags = std::int32_t __attribute__((vector_size(16)));

// Bit i set for each lane i whose flags are all set.
inline unsigned LaneBits(LaneFlags flags) {
#ifdef __SSE__
  return static_cast<unsigned>(_mm_movemask_ps(std::bit_cast<__m128>(flags)));
#else
  unsigned bits = 0;
  for (int lane = 0; lane < 4; ++lane) bits |= static_cast<unsigned>(flags[lane] & 1) << lane;
  return bits;
#endif
}

}  // namespace tolvex
