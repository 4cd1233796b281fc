// Every test program runs without a display or a sound card: SDL's dummy drivers unless the
// environment names others, set before main so it holds for CTest and direct runs alike.
#include <cstdlib>

static const bool kDummyDrivers = setenv("SDL_VIDEODRIVER", "dummy", 0) == 0 && setenv("SDL_AUDIODRIVER", "dummy", 0) == 0;
