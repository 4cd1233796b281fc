#pragma once
// Asking the caches for memory a walk will read soon, for objects strewn over the heap.
#include <cstddef>

namespace tolvex {

inline constexpr std::size_t kCacheLine = 64;

// Asks for the cache line that holds `at`; any address will do, null included.
// An asm statement rather than __builtin_prefetch: GCC takes a function that does nothing but
// __builtin_prefetch for one without effect and drops every call to it, so each helper built on
// the builtin would quietly stop prefetching.
inline void PrefetchLine(const void* at) {
#if defined(__x86_64__) || defined(__i386__)
  asm volatile("prefetcht0 (%0)" : : "r"(at));
#else
  __builtin_prefetch(at);
#endif
}

// Asks for every cache line of the `size` bytes from `at`: a line every kCacheLine bytes and the
// last byte's (a constant size unrolls to a few instructions).
inline void PrefetchBytes(const void* at, std::size_t size) {
  if (size == 0) return;
  const auto* bytes = static_cast<const char*>(at);
  for (std::size_t offset = 0; offset < size; offset += kCacheLine) PrefetchLine(bytes + offset);
  PrefetchLine(bytes + size - 1);
}

}  // namespace tolvex
