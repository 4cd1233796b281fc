// Draws the particle sprites and gradients into the folder given as the only argument.
#include "GeneratorMain.h"
#include "ParticleArt.h"

int main(int argc, char** argv) {
    return tolvex::art::runGenerator(argc, argv, "particle artwork", [](const std::string& dir) {
        tolvex::art::writeGradients(dir);
        tolvex::art::writeExhaust(dir);
        tolvex::art::writeFlashes(dir);
        tolvex::art::writeSmoke(dir);
        tolvex::art::writeSparks(dir);
    });
}
