// Draws the tiling deep-space backdrops into the folder given as the only argument.
#include "GeneratorMain.h"
#include "Backdrops.h"

int main(int argc, char** argv) {
    return tolvex::art::runGenerator(argc, argv, "backdrops", [](const std::string& dir) {
        tolvex::art::writeBackdrops(dir);
    });
}
