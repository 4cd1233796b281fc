#include <algorithm>
#include <stdexcept>
#include <string>

#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// Which base ship each special edition is finished from.
constexpr std::pair<const char*, const char*> kSpecialEditions[] = {
    {"GuanMercque.png", "GuanMercqueSE.png"}, {"Silverhawk.png", "SilverhawkSE.png"},
    {"Dragonfly.png", "DragonflySE.png"},     {"DroneC1.png", "DroneC1SE.png"},
    {"Turtle.png", "TurtleSE.png"},           {"FerrariDeluxe.png", "FerrariDeluxeSE.png"},
    {"Piranha.png", "PiranhaSE.png"},         {"Darkstar.png", "DarkstarSE.png"},
    {"Kail.png", "KailSE.png"},               {"Mothership.png", "MothershipSE.png"},
};

}  // namespace

std::vector<ShipDesign> allShipDesigns() {
    std::vector<ShipDesign> all;
    for (auto* faction : {playerShips, nasaShips, alienShips, policeShips, insectShips, droneShips, bringItShips,
                          redArmyShips, eliteShips, pirateShips, freelancerShips, moonlancerShips, frootsShips}) {
        auto ships = faction();
        all.insert(all.end(), ships.begin(), ships.end());
    }
    for (const auto& edition : kSpecialEditions) {
        const auto baseFile = edition.first;
        const auto base = std::find_if(all.begin(), all.end(), [&](const ShipDesign& d) { return d.file == baseFile; });
        if (base == all.end()) throw std::runtime_error(std::string("no base ship ") + baseFile);
        all.push_back(specialEdition(*base, edition.second));
    }
    return all;
}

}  // namespace tolvex::shipart
