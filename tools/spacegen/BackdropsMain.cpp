// Draws the tiling deep-space backdrops into the folder given as the only argument.
#include <cstdio>
#include <exception>

#include "Backdrops.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        tolvex::art::writeBackdrops(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "backdrops: %s\n", e.what());
        return 1;
    }
    return 0;
}
