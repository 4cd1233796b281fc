#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A manta-like organism ship with curling wing lobes and a single green eye.
ShipDesign guanMercque() {
    ShipDesign d = design("GuanMercque.png", 64, 66, "Alien");
    d.parts = {
        wing({P(6, 8), P(16, 18), S(20, 31), P(11, 24), P(5, 20)}, Material::Dark),
        wing({P(7, -14), P(20, -12), P(29, -2), S(31, 10), P(24, 6), P(16, 8), P(9, 12)}, Material::Second),
        hull({S(0, -31), P(7, -23), P(10, -8), P(9, 8), P(5, 22), S(0, 30)}, 0),
    };
    d.decos = {spot(22, 0, 1.6, 1), spot(6, 12, 1.2, 2), spot(13, -8, 1.1, 1),
               line({P(9, -10), P(18, -7), P(26, 0)}, 1)};
    d.cockpits = {{0, -16, 4.5, 5}};
    d.engines = {{0, 31, 4, 0.9}};
    d.socketRadius = 4;
    return d;
}

// A hammerhead predator: gun bulbs at the tips of its wide head, swept fins behind.
ShipDesign guanSharcxy() {
    ShipDesign d = design("GuanSharcxy.png", 110, 96, "Alien");
    d.parts = {
        wing({P(9, 12), P(24, 26), S(36, 44), P(22, 40), P(8, 32)}, Material::Dark),
        wing({P(10, -28), P(28, -27), P(44, -24), P(52, -16), P(46, -8), P(30, -8), P(12, -3)}, Material::Second),
        ellipse(37, -15, 8, 8, Material::Second),
        hull({S(0, -42), P(10, -35), P(15, -16), P(13, 10), P(8, 30), S(0, 46)}, 0),
    };
    d.decos = {spot(46, -16, 2.0, 1), spot(0, 20, 2.2, 3), spot(20, -15, 1.4, 1), spot(6, 4, 1.3, 3),
               line({P(6, 28), P(16, 32), P(26, 37)}, 0), line({P(14, -20), P(30, -19), P(44, -17)}, 1)};
    d.cockpits = {{0, -28, 5, 6}};
    d.engines = {{0, 46, 6, 1.1}};
    d.socketRadius = 5;
    return d;
}

}  // namespace

std::vector<ShipDesign> alienShips() { return {guanMercque(), guanSharcxy()}; }

}  // namespace tolvex::shipart
