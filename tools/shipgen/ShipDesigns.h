// The ship recipes of every faction, and the full list the generator paints.
#pragma once

#include <vector>

#include "ShipDesign.h"

namespace tolvex::shipart {

// Steel-blue fighters with cyan lights flown by the player and the wingman.
std::vector<ShipDesign> playerShips();
// White and grey with blue trim.
std::vector<ShipDesign> nasaShips();
// Organic curves in violet and green.
std::vector<ShipDesign> alienShips();
// Blue and white with stripes.
std::vector<ShipDesign> policeShips();
// Segmented yellow and black.
std::vector<ShipDesign> insectShips();
// Round grey machines.
std::vector<ShipDesign> droneShips();
// Orange industrial blocks.
std::vector<ShipDesign> bringItShips();
// Angular red.
std::vector<ShipDesign> redArmyShips();
// Sleek gold and black.
std::vector<ShipDesign> eliteShips();
// Rusty and patched.
std::vector<ShipDesign> pirateShips();
// Mixed teal.
std::vector<ShipDesign> freelancerShips();
// Silver-blue crescents.
std::vector<ShipDesign> moonlancerShips();
// Round and green.
std::vector<ShipDesign> frootsShips();

// Every ship image: the faction ships and the special editions made from them.
std::vector<ShipDesign> allShipDesigns();

}  // namespace tolvex::shipart
