#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A blocky courier: one armoured box with side thruster pods and a striped nose.
ShipDesign salamander() {
    ShipDesign d = design("Salamander.png", 48, 60, "BringIt Coop");
    d.parts = {
        box(14, 8, 5, 13, 2, Material::Second, 1),
        box(0, -22, 6, 6, 2.5, Material::Second),
        box(0, 0, 10, 22, 4, Material::Hull, 2),
    };
    d.decos = {hazard(0, -26, 6, 2, 1), vents(14, 2, 3, 2.5, 5, 0), stripe({S(0, 14), S(10, 14), S(10, 16), S(0, 16)},
                                                                           Material::Dark, 2)};
    d.cockpits = {{0, -12, 4, 4}};
    d.engines = {{14, 25, 6, 1.0}, {0, 26, 5, 0.8}};
    d.lights = {S(19, -4)};
    d.socketRadius = 4;
    return d;
}

// A slow armoured hauler: a big hexagonal cargo shell between two engine blocks.
ShipDesign turtle() {
    ShipDesign d = design("Turtle.png", 96, 110, "BringIt Coop");
    d.parts = {
        box(33, 14, 10, 28, 3, Material::Second, 2),
        box(0, -40, 15, 12, 6, Material::Second, 1),
        box(0, 8, 27, 40, 12, Material::Hull, 3),
    };
    d.decos = {hazard(0, -49, 15, 3, 1), hazard(33, -12, 10, 2.5, 0), hazard(-33, -12, 10, 2.5, 0),
               stripe({S(14, -10), S(26, -10), S(26, 26), S(14, 26)}, Material::Dark, 2),
               vents(20, -6, 9, 3.5, 8, 2), rivets(S(-25, -30), S(25, -30), 9, 2)};
    d.cockpits = {{0, -42, 8, 5}};
    d.engines = {{33, 47, 9, 1.2}, {12, 51, 8, 1.0}};
    d.lights = {S(43, 0)};
    d.greebles = 10;
    d.socketRadius = 5.5;
    return d;
}

// The heavy freighter: a long spine of container modules between a wide bow and an engine block.
ShipDesign praecox() {
    ShipDesign d = design("Praecox.png", 160, 330, "BringIt Coop");
    d.parts = {
        box(0, 0, 16, 150, 6, Material::Dark),
        box(31, -40, 17, 24, 3, Material::Hull, 2),
        box(31, 0, 17, 13, 3, Material::Second, 1),
        box(31, 40, 17, 24, 3, Material::Hull, 2),
        box(0, -123, 28, 32, 12, Material::Hull, 3),
        box(0, 138, 58, 22, 10, Material::Hull, 2),
        box(0, 104, 20, 12, 4, Material::Second, 1),
    };
    d.decos = {hazard(0, -150, 28, 4, 4), hazard(31, -64, 17, 2.5, 1), hazard(-31, -64, 17, 2.5, 1),
               hazard(31, 63, 17, 2.5, 3), hazard(-31, 63, 17, 2.5, 3), hazard(0, 118, 58, 3, 5),
               vents(44, 130, 5, 3, 8, 5), vents(14, -115, 6, 3, 8, 4), rivets(S(-14, -80), S(-14, 80), 16, 0)};
    d.cockpits = {{0, -138, 10, 6}};
    d.engines = {{18, 159, 12, 0.7}, {44, 159, 11, 0.6}};
    d.lights = {S(56, 128), S(27, -130)};
    d.greebles = 45;
    d.socketRadius = 7;
    return d;
}

}  // namespace

std::vector<ShipDesign> bringItShips() { return {salamander(), turtle(), praecox()}; }

}  // namespace tolvex::shipart
