// The libFuzzer entry of one target, named by TOLVEX_FUZZ_TARGET_NAME (see CMakeLists.txt).
#include <cstdio>
#include <cstdlib>

#include "FuzzTargets.h"

namespace {
tolvex::fuzz::Target target = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Nothing a target reaches may look for a display or a sound card.
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  for (const auto& named : tolvex::fuzz::AllTargets()) {
    if (named.name == TOLVEX_FUZZ_TARGET_NAME) target = named.run;
  }
  if (!target) {
    std::fprintf(stderr, "no fuzz target named %s\n", TOLVEX_FUZZ_TARGET_NAME);
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { return target(data, size); }
