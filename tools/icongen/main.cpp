// Draws the desktop icon, the player's ship over deep space, into a hicolor icon theme folder.
// Usage: tolvex_icongen <theme folder> <size>...
//   writes <theme folder>/<size>x<size>/apps/tolvex.png for each size.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "DesktopIcon.h"
#include "ShipDesigns.h"

namespace {

// The ship the player starts the game in.
constexpr const char* kPlayerShip = "modernx.png";

tolvex::shipart::ShipDesign playerShip() {
    const auto ships = tolvex::shipart::playerShips();
    const auto found = std::find_if(ships.begin(), ships.end(), [](const auto& d) { return d.file == kPlayerShip; });
    if (found == ships.end()) throw std::runtime_error(std::string("no ship ") + kPlayerShip);
    return *found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <theme folder> <size>...\n", argv[0]);
        return 2;
    }
    try {
        const tolvex::shipart::ShipDesign ship = playerShip();
        for (int i = 2; i < argc; ++i) {
            const int size = std::stoi(argv[i]);
            const std::string side = std::to_string(size);
            const std::filesystem::path folder = std::filesystem::path(argv[1]) / (side + "x" + side) / "apps";
            std::filesystem::create_directories(folder);
            tolvex::art::writePng((folder / "tolvex.png").string(), tolvex::art::desktopIcon(ship, size));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "desktop icon: %s\n", e.what());
        return 1;
    }
    return 0;
}
