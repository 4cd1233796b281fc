// Draws the tiling nebula and dust layers into the folder given as the only argument.
#include "GeneratorMain.h"
#include "Overlays.h"

int main(int argc, char** argv) {
    return tolvex::art::runGenerator(argc, argv, "overlays", [](const std::string& dir) {
        tolvex::art::writeOverlays(dir);
    });
}
