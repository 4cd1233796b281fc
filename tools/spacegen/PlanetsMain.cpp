// Draws the planets and the Hubble probe into the folder given as the only argument.
#include <cstdio>
#include <exception>

#include "Planets.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        tolvex::art::writePlanets(argv[1]);
        tolvex::art::writeHubble(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "planets: %s\n", e.what());
        return 1;
    }
    return 0;
}
