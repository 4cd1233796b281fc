// Draws the interface artwork into the folder given as the only argument.
#include <cstdio>
#include <exception>

#include "UiArt.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        const std::string dir = argv[1];
        tolvex::art::writeLogos(dir);
        tolvex::art::writeMenuArt(dir);
        tolvex::art::writeHudArt(dir);
        tolvex::art::writePointers(dir);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "interface artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
