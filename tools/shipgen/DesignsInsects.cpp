#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// Black bands across an abdomen part, from y0 down every `step`.
void bands(ShipDesign& d, int onPart, double halfWidth, double y0, double step, int count, double thick) {
    for (int i = 0; i < count; ++i) {
        const double y = y0 + i * step;
        d.decos.push_back(stripe({S(0, y), S(halfWidth, y), S(halfWidth, y + thick), S(0, y + thick)}, Material::Trim,
                                 onPart));
    }
}

// A thin stinging fighter: long abdomen, slim wings, needle nose.
ShipDesign moskito() {
    ShipDesign d = design("Moskito.png", 64, 60, "Insects");
    d.parts = {
        wing({P(5, -8), P(18, -1), P(29, 7), S(30, 13), P(19, 15), P(7, 4)}, Material::Second),
        box(0, -24, 1.2, 6, 0.6, Material::Dark),
        ellipse(0, 14, 5, 14, Material::Hull, true),
        ellipse(0, -5, 7, 8, Material::Hull, true),
        ellipse(0, -17, 4.5, 4.5, Material::Dark),
    };
    bands(d, 2, 6, 5, 5, 4, 2);
    d.decos.push_back(line({P(7, 0), P(18, 4), P(27, 10)}, 0));
    d.cockpits = {{0, -18, 3, 2.6}};
    d.socketRadius = 3.5;
    return d;
}

// A four-winged hunter with a long banded tail.
ShipDesign dragonfly() {
    ShipDesign d = design("Dragonfly.png", 92, 84, "Insects");
    d.parts = {
        wing({P(6, -6), P(25, 4), P(42, 14), S(43, 22), P(29, 25), P(8, 3)}, Material::Second),
        wing({P(6, -18), P(24, -24), P(43, -22), S(44, -15), P(25, -11), P(7, -11)}, Material::Second),
        ellipse(0, 15, 5.5, 26, Material::Hull, true),
        ellipse(0, -14, 9, 11, Material::Hull, true),
        ellipse(0, -31, 7, 6, Material::Dark),
    };
    bands(d, 2, 6, 0, 7, 5, 3);
    d.decos.push_back(line({P(8, -15), P(26, -17), P(42, -18)}, 1));
    d.decos.push_back(line({P(8, 0), P(26, 10), P(40, 18)}, 0));
    d.cockpits = {{4, -32, 3, 3.5}};
    d.engines = {{0, 41, 4, 0.9}};
    d.socketRadius = 4.5;
    return d;
}

// The hive cruiser: a huge banded abdomen with a stinger gun, armoured thorax and swept wings.
ShipDesign hornet() {
    ShipDesign d = design("Hornet.png", 120, 140, "Insects");
    d.parts = {
        wing({P(10, -34), P(34, -22), P(52, -2), S(57, 14), P(46, 20), P(30, 10), P(12, -14)}, Material::Second, 0),
        ellipse(0, 30, 19, 36, Material::Hull, true),
        hull({S(0, 68), P(5, 60), P(7, 50), S(0, 46)}, 0, Material::Dark, false),
        ellipse(0, -24, 15, 17, Material::Hull, true),
        ellipse(0, -52, 11, 10, Material::Dark),
        wing({S(6, -58), S(12, -68), S(15, -66), S(10, -55)}, Material::Dark),
    };
    bands(d, 1, 20, 8, 12, 5, 5);
    d.decos.push_back(line({P(12, -26), P(32, -14), P(50, 4)}, 0));
    d.decos.push_back(line({P(14, -18), P(28, -5), P(40, 12)}, 0));
    d.decos.push_back(stripe({S(0, -34), S(15, -30), S(15, -27), S(0, -31)}, Material::Trim, 3));
    d.cockpits = {{5, -54, 3.5, 4}};
    d.engines = {{10, 58, 6, 1.0}};
    d.socketRadius = 6;
    return d;
}

}  // namespace

std::vector<ShipDesign> insectShips() { return {moskito(), dragonfly(), hornet()}; }

}  // namespace tolvex::shipart
