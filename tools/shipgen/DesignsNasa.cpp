#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A small patrol craft with broad scalloped bat wings.
ShipDesign bat() {
    ShipDesign d = design("Bat.png", 56, 48, "NASA");
    d.parts = {
        wing({S(4, -9), P(15, -11), S(27, -3), S(25, 7), P(21, 4), S(18, 10), P(13, 7), S(8, 13)}),
        hull({S(0, -21), P(4, -15), P(6, 0), P(5, 14), S(3, 19), S(0, 19)}),
    };
    d.decos = {stripe({S(5, -8), S(15, -10), S(26, -3), S(25.5, -1), S(15, -7.5), S(5, -5.5)}, Material::Trim, 0),
               line({S(12, -6), S(19, 5)}, 0)};
    d.cockpits = {{0, -10, 3, 5}};
    d.engines = {{3, 20, 4, 1.0}};
    d.lights = {S(26, 1)};
    d.socketRadius = 3.5;
    return d;
}

// A stubby round-bellied runabout with blue bands.
ShipDesign bee() {
    ShipDesign d = design("Bee.png", 60, 64, "NASA");
    d.parts = {
        wing({S(9, -2), S(25, 9), S(26, 17), S(10, 18)}, Material::Second),
        ellipse(13, 21, 4, 8, Material::Second),
        hull({P(0, -29), P(8, -22), P(12, -6), P(12, 12), P(8, 24), S(0, 27)}, 0),
    };
    d.decos = {stripe({S(0, -5), S(13, -5), S(13, -2), S(0, -2)}, Material::Trim, 2),
               stripe({S(0, 9), S(13, 9), S(13, 12), S(0, 12)}, Material::Trim, 2),
               stripe({S(10, 10), S(25.5, 13), S(25.5, 15.5), S(10, 13)}, Material::Trim, 0)};
    d.cockpits = {{0, -17, 5, 6}};
    d.engines = {{13, 29, 5, 1.0}, {0, 28, 5, 0.8}};
    d.lights = {S(25, 15)};
    d.socketRadius = 3.5;
    return d;
}

// A long shuttle-like delta with a dark heat-shield nose and three main engines.
ShipDesign acteon() {
    ShipDesign d = design("Acteon.png", 72, 86, "NASA");
    d.parts = {
        wing({S(6, 24), S(14, 30), S(14, 38), S(6, 36)}, Material::Dark),
        wing({S(8, -10), S(32, 24), S(33, 32), S(9, 34)}, Material::Hull, 1),
        hull({S(0, -41), P(5, -33), P(8, -18), S(9, 20), S(9, 36), S(0, 36)}, 3),
    };
    d.decos = {stripe({S(0, -42), S(8, -42), S(8, -33), S(0, -33)}, Material::Dark, 2),
               stripe({S(9, -7), S(32, 26), S(32.5, 28.5), S(9, -2)}, Material::Trim, 1),
               stripe({S(3, 24), S(6, 24), S(6, 34), S(3, 34)}, Material::Accent, 2),
               vents(19, 22, 3, 2.5, 6, 1)};
    d.cockpits = {{0, -24, 4, 6}};
    d.engines = {{0, 38, 6, 1.3}, {6, 37, 5, 1.1}};
    d.lights = {S(32, 29)};
    d.socketRadius = 4;
    return d;
}

}  // namespace

std::vector<ShipDesign> nasaShips() { return {bat(), bee(), acteon()}; }

}  // namespace tolvex::shipart
