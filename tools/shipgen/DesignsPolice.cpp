#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A nimble interceptor: blue hull, white wing bands, red and blue lights on the wingtips.
ShipDesign silverhawk() {
    ShipDesign d = design("Silverhawk.png", 52, 60, "Police");
    d.parts = {
        wing({S(5, -7), S(23, 5), S(24, 14), S(6, 15)}, Material::Hull),
        hull({S(0, -29), P(5, -21), P(7, -3), S(7, 22), S(4, 26), S(0, 26)}, 1),
    };
    d.decos = {stripe({S(5, 1), S(24, 9), S(24, 12), S(5, 4)}, Material::Second, 0),
               stripe({S(0, -29), S(7, -29), S(7, -24), S(0, -24)}, Material::Second, 1)};
    d.cockpits = {{0, -12, 3.4, 6}};
    d.engines = {{3.5, 27, 4.5, 1.1}};
    d.lights = {S(23, 8)};
    d.socketRadius = 3.5;
    return d;
}

// A heavy pursuit cruiser with wide eagle wings, white chevrons and a light bar.
ShipDesign silvereagle() {
    ShipDesign d = design("Silvereagle.png", 90, 100, "Police");
    d.parts = {
        wing({S(8, 28), S(20, 40), S(20, 46), S(8, 42)}, Material::Dark),
        wing({S(11, -12), S(36, -4), S(44, 8), S(42, 18), S(28, 14), S(12, 22)}, Material::Hull, 1),
        hull({S(0, -47), P(7, -39), P(12, -18), P(13, 10), S(11, 40), S(0, 44)}, 3),
    };
    d.decos = {stripe({S(12, -6), S(36, 1), S(40, 8), S(12, -1)}, Material::Second, 1),
               stripe({S(0, -30), S(10, -22), S(10, -18), S(0, -26)}, Material::Second, 2),
               stripe({S(0, -20), S(11, -12), S(11, -8), S(0, -16)}, Material::Second, 2),
               stripe({S(3, -4), S(6, -4), S(6, -1), S(3, -1)}, Material::Accent, 2),
               line({S(24, 8), S(40, 14)}, 1)};
    d.cockpits = {{0, -32, 4.5, 7}};
    d.engines = {{6, 45, 6, 1.2}};
    d.lights = {S(43, 13)};
    d.socketRadius = 5;
    return d;
}

}  // namespace

std::vector<ShipDesign> policeShips() { return {silverhawk(), silvereagle()}; }

}  // namespace tolvex::shipart
