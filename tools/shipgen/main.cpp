// Paints every ship, turret, shot, rocket and debris sprite into the artwork folder.
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "ImageFile.h"
#include "ShipDesigns.h"
#include "ShipPainter.h"
#include "WeaponArt.h"

namespace {

using namespace tolvex;

void writeShips(const std::string& dir) {
    for (const auto& d : shipart::allShipDesigns()) {
        const auto mounts = shipart::mountsOf(d.file);
        if (mounts.empty()) throw std::runtime_error("no ship type uses " + d.file);
        art::writePng(dir + "/" + d.file, shipart::paintShip(d, mounts));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <artwork folder>\n", argv[0]);
        return 2;
    }
    try {
        writeShips(argv[1]);
        for (const auto& sprite : shipart::weaponSprites()) art::writePng(std::string(argv[1]) + "/" + sprite.file, sprite.image);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "shipgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
