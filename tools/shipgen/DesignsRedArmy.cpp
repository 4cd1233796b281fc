#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A needle-nosed dart with cropped delta wings and a red star on each.
ShipDesign stich() {
    ShipDesign d = design("Stich.png", 44, 64, "Red Army");
    d.parts = {
        wing({S(4, 20), S(11, 27), S(11, 31), S(4, 29)}, Material::Dark),
        wing({S(5, -2), S(20, 16), S(20, 23), S(5, 21)}, Material::Hull),
        hull({S(0, -31), S(3, -18), S(6, 8), S(5, 27), S(0, 29)}, 2, Material::Second),
    };
    d.decos = {star(13, 15, 3.2, 1), stripe({S(0, -31), S(3, -18), S(0, -18)}, Material::Hull, 2)};
    d.cockpits = {{0, -7, 2.6, 6}};
    d.engines = {{0, 30, 5, 1.2}};
    d.lights = {S(19.5, 20)};
    d.socketRadius = 3.5;
    return d;
}

// A sporty strike craft: forward canards carrying the guns and raked rear wings.
ShipDesign ferrariDeluxe() {
    ShipDesign d = design("FerrariDeluxe.png", 66, 76, "Red Army");
    d.parts = {
        wing({S(10, 12), S(27, 27), S(26, 34), S(10, 29)}, Material::Hull),
        wing({S(9, -15), S(27, -10), S(28, -2), S(9, 4)}, Material::Hull),
        hull({S(0, -37), S(7, -25), S(10, -2), S(11, 24), S(7, 35), S(0, 33)}, 2, Material::Hull),
    };
    d.decos = {stripe({S(1.5, -36), S(3.5, -36), S(3.5, 33), S(1.5, 33)}, Material::Accent, 2),
               stripe({S(10, 25), S(26, 31), S(26, 34), S(10, 28)}, Material::Trim, 0), star(19, 22, 2.6, 0)};
    d.cockpits = {{0, -12, 3.6, 7}};
    d.engines = {{6, 36, 5, 1.3}};
    d.lights = {S(27, -6)};
    d.socketRadius = 4;
    return d;
}

// A heavy angular gunship with broad cranked wings and grey armour plates.
ShipDesign strive() {
    ShipDesign d = design("Strive.png", 84, 100, "Red Army");
    d.parts = {
        wing({S(10, 30), S(24, 42), S(22, 47), S(10, 44)}, Material::Second),
        wing({S(15, -8), S(40, 10), S(40, 24), S(30, 26), S(17, 32)}, Material::Hull, 1),
        hull({S(0, -48), S(9, -36), S(15, -12), S(17, 18), S(12, 44), S(0, 45)}, 3),
    };
    d.decos = {star(29, 16, 4, 1), stripe({S(0, -26), S(12, -22), S(14, -10), S(0, -14)}, Material::Second, 2),
               stripe({S(34, 8), S(40, 12), S(40, 24), S(34, 25)}, Material::Trim, 1), vents(8, 26, 4, 3, 5, 2)};
    d.cockpits = {{0, -32, 4, 7}};
    d.engines = {{6, 46, 7, 1.2}};
    d.lights = {S(40, 20)};
    d.socketRadius = 5;
    return d;
}

// A long spear of a cruiser: canard gun wings up front and wide tail planes.
ShipDesign stoche() {
    ShipDesign d = design("Stoche.png", 80, 110, "Red Army");
    d.parts = {
        wing({S(9, 14), S(36, 34), S(36, 42), S(9, 38)}, Material::Hull),
        wing({S(6, -33), S(21, -30), S(24, -19), S(7, -16)}, Material::Hull),
        hull({S(0, -55), S(5, -42), S(8, -12), S(10, 30), S(6, 50), S(0, 49)}, 4, Material::Second),
    };
    d.decos = {stripe({S(0, -55), S(5, -42), S(0, -42)}, Material::Hull, 2), star(24, 32, 3.2, 0),
               stripe({S(9, 36), S(36, 39), S(36, 42), S(9, 38)}, Material::Trim, 0)};
    d.cockpits = {{0, -4, 3.6, 8}};
    d.engines = {{0, 51, 6, 1.3}, {10, 43, 5, 0.9}};
    d.lights = {S(35, 40)};
    d.socketRadius = 4.5;
    return d;
}

}  // namespace

std::vector<ShipDesign> redArmyShips() { return {stich(), ferrariDeluxe(), strive(), stoche()}; }

}  // namespace tolvex::shipart
