// Draws the tiling nebula and dust layers into the folder given as the only argument.
#include <cstdio>
#include <exception>

#include "Overlays.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        tolvex::art::writeOverlays(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "overlays: %s\n", e.what());
        return 1;
    }
    return 0;
}
