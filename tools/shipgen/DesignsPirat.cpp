#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A fat-bellied raider with snapping jaw prongs and a fish tail.
ShipDesign piranha() {
    ShipDesign d = design("Piranha.png", 80, 96, "Pirat");
    d.parts = {
        wing({S(5, 30), S(26, 42), S(22, 47), S(4, 40)}, Material::Second),
        wing({S(5, -30), S(11, -46), S(15, -44), S(15, -25)}, Material::Dark),
        wing({S(17, -4), S(32, 4), S(30, 12), S(18, 14)}, Material::Second),
        hull({P(0, -32), P(14, -28), P(21, -10), P(20, 12), P(12, 30), S(0, 38)}, 2),
    };
    d.decos = {line({S(2, -31), S(4, -27), S(6, -31), S(8, -27), S(10, -31)}, 3),
               stripe({S(12, -24), S(19, -12), S(16, -10), S(10, -22)}, Material::Trim, 3)};
    d.cockpits = {{0, -18, 4.5, 5}};
    d.engines = {{6, 39, 6, 1.1}};
    d.patched = true;
    d.socketRadius = 4.5;
    return d;
}

// A patched-together cruiser with a bolted-on gun sponson on one side.
ShipDesign courgon() {
    ShipDesign d = design("Courgon.png", 130, 210, "Pirat");
    d.parts = {
        wing({S(24, -64), S(50, -56), S(54, -40), S(26, -34)}, Material::Second),
        wing({S(22, 60), S(44, 84), S(42, 96), S(20, 92)}, Material::Second),
        hull({S(0, -101), P(13, -92), P(25, -62), P(28, -20), P(24, 40), P(19, 80), S(14, 100), S(0, 98)}, 6),
        freePart({S(4, 40), S(22, 38), S(26, 46), S(26, 94), S(18, 100), S(6, 98)}, Material::Second),
    };
    d.decos = {stripe({S(0, -101), S(13, -92), S(10, -86), S(0, -92)}, Material::Trim, 2),
               vents(13, 60, 4, 3.5, 6, 3), rivets(S(8, 44), S(8, 94), 10, 3)};
    d.cockpits = {{0, -76, 6, 9}};
    d.engines = {{8, 101, 9, 1.0}, {34, 93, 6, 0.8}};
    d.lights = {S(53, -46)};
    d.patched = true;
    d.greebles = 25;
    d.socketRadius = 6;
    return d;
}

}  // namespace

std::vector<ShipDesign> pirateShips() { return {piranha(), courgon()}; }

}  // namespace tolvex::shipart
