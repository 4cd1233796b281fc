// Draws the particle sprites and gradients into the folder given as the only argument.
#include <cstdio>
#include <exception>

#include "ParticleArt.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        const std::string dir = argv[1];
        tolvex::art::writeGradients(dir);
        tolvex::art::writeExhaust(dir);
        tolvex::art::writeFlashes(dir);
        tolvex::art::writeSmoke(dir);
        tolvex::art::writeSparks(dir);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "particle artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
