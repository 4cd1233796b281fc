#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// The avocado carrier: a pear-shaped green hull, pale flesh deck and a great seed reactor dome.
ShipDesign avocada() {
    ShipDesign d = design("Avocada.png", 200, 230, "Froots");
    d.parts = {
        hull({P(0, -113), P(28, -103), P(47, -70), P(74, -20), P(95, 30), P(89, 78), P(56, 107), P(0, 113)}, 0,
             Material::Second),
        hull({P(0, -100), P(24, -92), P(40, -62), P(65, -16), P(84, 30), P(78, 72), P(50, 97), P(0, 102)}, 0,
             Material::Trim),
        ellipse(0, 32, 36, 42, Material::Accent, true),
        box(0, -110, 3.5, 4, 1.5, Material::Dark),
    };
    d.decos = {spot(60, -10, 3, 1), spot(40, 80, 3, 1), spot(28, -60, 2.5, 1),
               line({P(30, -80), P(55, -30), P(70, 20)}, 1), line({P(20, 80), P(45, 70), P(66, 50)}, 1),
               vents(0, -40, 5, 4, 16, 1)};
    d.cockpits = {{0, -76, 9, 10}};
    d.engines = {{40, 103, 12, 0.5}, {0, 112, 10, 0.3}};
    d.lights = {S(94, 36)};
    d.greebles = 12;
    d.socketRadius = 7;
    return d;
}

}  // namespace

std::vector<ShipDesign> frootsShips() { return {avocada()}; }

}  // namespace tolvex::shipart
