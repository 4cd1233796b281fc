#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// The smallest drone: a disc with three stabiliser fins and a thruster.
ShipDesign droneA1() {
    ShipDesign d = design("DroneA1.png", 36, 36, "Dronen");
    d.parts = {
        wing({S(8, 6), S(16, 14), S(12, 16), S(5, 11)}, Material::Dark),
        box(0, 13, 3.5, 4, 1.5, Material::Dark),
        ellipse(0, 0, 12, 12, Material::Hull, true),
        ellipse(0, 0, 8, 8, Material::Second),
    };
    d.decos = {spot(0, -10, 1.4, 2), vents(0, 4, 1, 2, 5, 3)};
    d.engines = {{0, 17, 4, 1.0}};
    d.socketRadius = 4;
    return d;
}

// Ring drone: an outer ring held by three spokes around the core.
ShipDesign droneB1() {
    ShipDesign d = design("DroneB1.png", 44, 44, "Dronen");
    d.parts = {
        ellipse(0, 0, 18, 18, Material::Second),
        ellipse(0, 0, 14, 14, Material::Dark),
        box(0, -9, 2, 7, 0.8, Material::Second),
        wing({S(2, 2), S(13, 8), S(12, 10), S(1, 5)}, Material::Second),
        ellipse(0, 0, 8, 8, Material::Hull, true),
    };
    d.decos = {spot(0, -16, 1.5, 0), spot(14, 8, 1.2, 0)};
    d.engines = {{0, 21, 4, 0.8}};
    d.socketRadius = 4.5;
    return d;
}

// Quad drone: a rounded square core with four thruster pods on the diagonals.
ShipDesign droneB2() {
    ShipDesign d = design("DroneB2.png", 44, 44, "Dronen");
    d.parts = {
        wing({S(4, -5), S(13, -14), S(15, -12), S(6, -3)}, Material::Dark),
        wing({S(4, 5), S(13, 14), S(15, 12), S(6, 3)}, Material::Dark),
        ellipse(14, -14, 5, 5, Material::Second, true),
        ellipse(14, 14, 5, 5, Material::Second, true),
        box(0, 0, 10, 10, 4, Material::Hull, 0),
    };
    d.decos = {spot(0, -7.5, 1.3, 4), line({S(-10, 6), S(10, 6)}, 4, false)};
    d.engines = {{14, 20, 4, 0.8}};
    d.socketRadius = 4.5;
    return d;
}

// Prong drone: a round hull with two forward prongs and a wide rear skirt.
ShipDesign droneB3() {
    ShipDesign d = design("DroneB3.png", 44, 44, "Dronen");
    d.parts = {
        wing({S(6, -8), S(10, -21), S(13, -20), S(12, -4)}, Material::Second),
        crescent(0, -2, 18, 6, 70, true, Material::Second),
        ellipse(0, 0, 12, 12, Material::Hull, true),
    };
    d.decos = {spot(11, -20, 1.3, 0), vents(0, 6, 2, 2.2, 6, 2)};
    d.engines = {{6, 13.5, 4, 0.9}};
    d.socketRadius = 4.5;
    return d;
}

// Twin-gun drone: two gun spheres on a crossbar around a small core.
ShipDesign droneC1() {
    ShipDesign d = design("DroneC1.png", 54, 40, "Dronen");
    d.parts = {
        box(0, 0, 18, 3.5, 1.5, Material::Dark),
        ellipse(15, 0, 8.5, 8.5, Material::Second, true),
        ellipse(0, 1, 10, 11, Material::Hull, true),
        box(0, -13, 3, 3, 1.2, Material::Second),
    };
    d.decos = {spot(0, -14, 1.5, 3), vents(0, 4, 2, 2.5, 8, 2)};
    d.engines = {{5, 15, 4, 0.9}};
    d.socketRadius = 4.5;
    return d;
}

}  // namespace

std::vector<ShipDesign> droneShips() { return {droneA1(), droneB1(), droneB2(), droneB3(), droneC1()}; }

}  // namespace tolvex::shipart
