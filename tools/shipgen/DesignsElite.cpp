#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A black needle with four blades in an X and gold edges.
ShipDesign xfighter() {
    ShipDesign d = design("xfighter.png", 62, 70, "Elite");
    d.parts = {
        wing({S(5, -4), S(28, -20), S(30, -16), S(6, 4)}, Material::Second),
        wing({S(6, 10), S(28, 28), S(26, 32), S(5, 22)}, Material::Second),
        hull({S(0, -34), P(4, -24), P(7, 0), S(7, 29), S(0, 31)}, 2),
    };
    d.decos = {stripe({S(6, -2), S(28, -18.5), S(29, -17), S(6, 1)}, Material::Trim, 0),
               stripe({S(6, 12), S(27, 28), S(26.5, 29.5), S(6, 15)}, Material::Trim, 1),
               stripe({S(0, -34), S(1, -34), S(1, 30), S(0, 30)}, Material::Trim, 2)};
    d.cockpits = {{0, -18, 3.2, 7}};
    d.engines = {{4, 31, 4.5, 1.3}};
    d.lights = {S(29, -17)};
    d.socketRadius = 4;
    return d;
}

// A disc of black glass with gold sun-ray blades and a rear gun spine.
ShipDesign sunshine() {
    ShipDesign d = design("Sunshine.png", 110, 100, "Elite");
    d.parts = {
        wing({S(10, 16), S(26, 38), S(22, 42), S(8, 26)}, Material::Second),
        wing({S(14, -12), S(52, -6), S(52, 2), S(16, 10)}, Material::Second, 0),
        box(0, 28, 7, 16, 3, Material::Hull),
        ellipse(0, 0, 24, 24, Material::Hull, true),
        ellipse(0, 0, 13, 13, Material::Second),
    };
    d.decos = {stripe({S(16, -11), S(52, -5.5), S(52, -3.5), S(16, -8)}, Material::Trim, 1),
               stripe({S(10, 17), S(25, 38), S(24, 39.5), S(9, 20)}, Material::Trim, 0),
               stripe({S(0, -24), S(3, -22), S(3, -13), S(0, -13)}, Material::Trim, 3),
               stripe({S(19, -10), S(22, -7), S(13, -2), S(12, -4)}, Material::Trim, 3)};
    d.cockpits = {{0, -2, 6, 6}};
    d.engines = {{0, 45, 6, 1.2}, {24, 40, 4, 0.9}};
    d.lights = {S(52, -1)};
    d.socketRadius = 5;
    return d;
}

// The elite strike ship: a wide black star-delta with gold leading edges.
ShipDesign darkstar() {
    ShipDesign d = design("Darkstar.png", 92, 84, "Elite");
    d.parts = {
        wing({S(8, 22), S(18, 34), S(17, 40), S(8, 36)}, Material::Second),
        wing({S(9, -15), S(44, 22), S(43, 29), S(30, 28), S(10, 27)}, Material::Second, 1),
        hull({S(0, -41), P(6, -30), P(10, -10), S(12, 28), S(6, 36), S(0, 35)}, 3),
    };
    d.decos = {stripe({S(10, -13), S(44, 22), S(43.5, 24.5), S(10, -9)}, Material::Trim, 1),
               stripe({S(0, -41), S(6, -30), S(4, -28), S(0, -36)}, Material::Trim, 2),
               line({S(18, 10), S(36, 27)}, 1)};
    d.cockpits = {{0, -16, 4, 8}};
    d.engines = {{5, 37, 5.5, 1.3}, {14, 38, 4, 1.0}};
    d.lights = {S(43, 26)};
    d.socketRadius = 4.5;
    return d;
}

}  // namespace

std::vector<ShipDesign> eliteShips() { return {xfighter(), sunshine(), darkstar()}; }

}  // namespace tolvex::shipart
