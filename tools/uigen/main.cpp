// Draws the interface artwork into the folder given as the only argument.
#include "GeneratorMain.h"
#include "UiArt.h"

int main(int argc, char** argv) {
    return tolvex::art::runGenerator(argc, argv, "interface artwork", [](const std::string& dir) {
        tolvex::art::writeLogos(dir);
        tolvex::art::writeMenuArt(dir);
        tolvex::art::writeHudArt(dir);
        tolvex::art::writePointers(dir);
    });
}
