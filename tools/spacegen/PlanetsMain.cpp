// Draws the planets and the Hubble probe into the folder given as the only argument.
#include "GeneratorMain.h"
#include "Planets.h"

int main(int argc, char** argv) {
    return tolvex::art::runGenerator(argc, argv, "planets", [](const std::string& dir) {
        tolvex::art::writePlanets(dir);
        tolvex::art::writeHubble(dir);
    });
}
