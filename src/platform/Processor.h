#pragma once
// What this processor can do beyond its plain instruction set, asked once for every fast path that
// chooses by it. Asked while statics are set up: the processor check is readied first.

namespace tolvex {

#if defined(__x86_64__)
inline const bool kHasAvx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
inline const bool kHasAvx512 = (__builtin_cpu_init(), __builtin_cpu_supports("avx512bw"));
#else
inline const bool kHasAvx2 = false, kHasAvx512 = false;
#endif

}  // namespace tolvex
