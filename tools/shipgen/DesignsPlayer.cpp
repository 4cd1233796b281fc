#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// The starting ship: a clean swept fighter with twin nacelles and cyan leading edges.
ShipDesign modernX() {
    ShipDesign d = design("modernx.png", 64, 84, "Player");
    d.parts = {
        wing({S(8, -4), S(28, 18), S(30, 27), S(22, 30), S(9, 28)}, Material::Second, 1),
        ellipse(12, 20, 4.5, 14, Material::Second, true),
        hull({S(0, -40), P(4, -30), P(7, -12), P(9, 8), P(10, 26), S(8, 35), S(0, 35)}, 2),
    };
    d.decos = {stripe({S(9, -2), S(28, 17), S(28.5, 20), S(9, 2)}, Material::Trim, 0),
               line({S(16, 14), S(26, 26)}, 0), vents(0, 4, 3, 2.5, 6, 2)};
    d.cockpits = {{0, -17, 3.6, 8}};
    d.engines = {{12, 36, 6, 1.2}, {0, 37, 5, 1.0}};
    d.lights = {S(28.5, 24)};
    d.socketRadius = 4;
    return d;
}

// The bonus ship: darker plating, forward-swept wings and twin tail fins.
ShipDesign darkX() {
    ShipDesign d = design("darkx.png", 68, 88, "Player");
    d.palette.hull = art::Color::hex(0x4d5d72);
    d.palette.second = art::Color::hex(0x364456);
    d.parts = {
        wing({S(9, 24), S(22, 34), S(23, 42), S(17, 42), S(8, 36)}, Material::Dark),
        wing({S(9, 10), S(30, -6), S(33, -3), S(30, 12), S(12, 24)}, Material::Second, 1),
        hull({S(0, -43), P(5, -32), P(8, -12), P(10, 10), P(11, 28), S(8, 40), S(0, 39)}, 3),
    };
    d.decos = {stripe({S(11, 8), S(30, -5), S(31.5, -3), S(12, 11)}, Material::Trim, 1),
               stripe({S(2, -30), S(3, -30), S(3, -4), S(2, -4)}, Material::Trim, 2)};
    d.cockpits = {{0, -18, 3.8, 9}};
    d.engines = {{6, 40, 6, 1.3}};
    d.lights = {S(31, 0)};
    d.socketRadius = 4;
    return d;
}

// The wingman: a broad delta with dark tiger stripes.
ShipDesign tigerX() {
    ShipDesign d = design("TigerX.png", 64, 84, "Player");
    d.palette.hull = art::Color::hex(0x8aa3bf);
    d.palette.second = art::Color::hex(0xd08a2a);
    d.parts = {
        wing({S(6, -18), S(30, 22), S(29, 30), S(8, 32)}, Material::Second),
        hull({S(0, -40), P(5, -27), P(8, -2), P(10, 26), S(8, 36), S(0, 35)}, 2),
    };
    d.decos = {stripe({S(10, 0), S(14, 2), S(11, 10), S(9, 8)}, Material::Dark, 0),
               stripe({S(14, 8), S(19, 10), S(15, 20), S(13, 16)}, Material::Dark, 0),
               stripe({S(19, 16), S(24, 18), S(21, 28), S(18, 24)}, Material::Dark, 0),
               stripe({S(7, 28), S(29, 27), S(29, 29), S(7, 31)}, Material::Trim, 0)};
    d.cockpits = {{0, -16, 3.6, 8}};
    d.engines = {{5, 36, 5.5, 1.2}};
    d.lights = {S(29, 28)};
    d.socketRadius = 4;
    return d;
}

}  // namespace

std::vector<ShipDesign> playerShips() { return {modernX(), darkX(), tigerX()}; }

}  // namespace tolvex::shipart
