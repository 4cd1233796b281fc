#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A rugged one-man fighter: a thick hull with two stubby armoured wings.
ShipDesign ironfighter() {
    ShipDesign d = design("Ironfighter.png", 52, 64, "Freelancer");
    d.parts = {
        wing({S(8, -2), S(22, 6), S(24, 20), S(9, 22)}, Material::Second, 1),
        hull({S(0, -31), P(6, -24), P(9, -6), S(10, 22), S(7, 29), S(0, 29)}, 3),
    };
    d.decos = {stripe({S(20, 4), S(24, 6), S(24, 20), S(20, 20)}, Material::Trim, 0), rivets(S(10, 2), S(10, 18), 5, 0)};
    d.cockpits = {{0, -14, 4, 6}};
    d.engines = {{4, 30, 5, 1.1}, {16, 23, 5, 0.8}};
    d.lights = {S(23, 10)};
    d.socketRadius = 4;
    return d;
}

// Three round segments in a row, with mandible guards at the front.
ShipDesign ant() {
    ShipDesign d = design("Ant.png", 58, 72, "Freelancer");
    d.parts = {
        wing({S(7, -2), S(24, -10), S(26, -6), S(10, 4)}, Material::Dark),
        wing({S(8, 6), S(24, 14), S(22, 18), S(7, 12)}, Material::Dark),
        wing({S(4, -28), S(10, -35), S(13, -32), S(8, -24)}, Material::Second),
        ellipse(0, 19, 12, 15, Material::Hull, true),
        ellipse(0, 0, 9, 9, Material::Second, true),
        ellipse(0, -21, 9, 8, Material::Hull, true),
    };
    d.decos = {stripe({S(0, 17), S(12, 17), S(12, 20), S(0, 20)}, Material::Trim, 3), spot(24, -8, 1.3, 0)};
    d.cockpits = {{0, -22, 4, 4}};
    d.engines = {{4, 34, 5, 1.0}};
    d.socketRadius = 4;
    return d;
}

// An X-frame gunboat: four arms on the diagonals ending in engine pods.
ShipDesign x1() {
    ShipDesign d = design("X1.png", 84, 96, "Freelancer");
    d.parts = {
        wing({S(6, -10), S(30, -34), S(36, -30), S(12, -4)}, Material::Second),
        wing({S(6, 10), S(30, 32), S(36, 28), S(12, 4)}, Material::Second),
        ellipse(33, -32, 6, 10, Material::Hull, true),
        ellipse(33, 30, 6, 12, Material::Hull, true),
        hull({S(0, -46), P(9, -36), P(14, -12), P(14, 18), P(10, 36), S(0, 42)}, 3),
    };
    d.decos = {stripe({S(0, -8), S(14, -8), S(14, -4), S(0, -4)}, Material::Trim, 4),
               stripe({S(27, -40), S(39, -40), S(39, -36), S(27, -36)}, Material::Trim, 2)};
    d.cockpits = {{0, -28, 5, 8}};
    d.engines = {{33, 44, 6, 1.1}, {0, 44, 6, 1.0}};
    d.lights = {S(38, -32)};
    d.socketRadius = 5;
    return d;
}

// A long predator hull with swept pectoral fins and a split tail.
ShipDesign shark() {
    ShipDesign d = design("Shark.png", 76, 120, "Freelancer");
    d.parts = {
        wing({S(4, 40), S(20, 54), S(16, 59), S(3, 50)}, Material::Second),
        wing({S(12, -6), S(35, 18), S(32, 24), S(12, 18)}, Material::Second, 1),
        hull({P(0, -59), P(8, -50), P(14, -24), P(15, 8), P(10, 40), S(0, 54)}, 4),
    };
    d.decos = {line({S(8, -38), S(12, -34)}, 2), line({S(9, -34), S(13, -30)}, 2), line({S(10, -30), S(14, -26)}, 2),
               stripe({S(12, 14), S(33, 21), S(32, 24), S(12, 18)}, Material::Trim, 1),
               stripe({S(0, 20), S(13, 20), S(13, 23), S(0, 23)}, Material::Accent, 2)};
    d.cockpits = {{0, -42, 4, 7}};
    d.engines = {{5, 52, 5, 1.2}};
    d.lights = {S(34, 20)};
    d.socketRadius = 5;
    return d;
}

// A long capital ship: armoured prow with three guns, a mid-ship wing and a heavy engine block.
ShipDesign kail() {
    ShipDesign d = design("Kail.png", 150, 332, "Freelancer");
    d.parts = {
        wing({S(26, -30), S(66, 10), S(72, 50), S(60, 62), S(30, 64)}, Material::Second, 2),
        wing({S(20, -132), S(38, -122), S(38, -104), S(24, -96)}, Material::Second),
        hull({S(0, -165), P(11, -157), P(24, -128), P(26, -70), P(30, 40), P(34, 120), S(28, 152), S(0, 155)}, 8),
        box(22, 150, 12, 12, 4, Material::Dark),
    };
    d.decos = {stripe({S(60, 12), S(68, 20), S(72, 50), S(60, 50)}, Material::Trim, 0),
               stripe({S(0, -40), S(28, -40), S(28, -34), S(0, -34)}, Material::Trim, 2),
               stripe({S(0, 90), S(32, 90), S(32, 96), S(0, 96)}, Material::Trim, 2),
               vents(14, 60, 8, 3.5, 8, 2), vents(44, 30, 5, 4, 10, 0)};
    d.cockpits = {{0, -84, 6, 12}};
    d.engines = {{22, 163, 12, 0.5}, {0, 157, 10, 0.6}};
    d.lights = {S(71, 46), S(37, -118)};
    d.greebles = 60;
    d.socketRadius = 6;
    return d;
}

// The superfreighter: a central hull between two long cargo pontoons, bristling with turrets.
ShipDesign coloss() {
    ShipDesign d = design("Coloss.png", 300, 390, "Freelancer");
    d.parts = {
        box(75, -60, 30, 12, 4, Material::Dark),
        box(75, 90, 30, 12, 4, Material::Dark),
        box(112, 14, 26, 128, 14, Material::Second, 6),
        hull({S(0, -188), P(28, -176), P(56, -140), P(60, -80), P(58, 120), S(48, 176), S(0, 182)}, 9),
    };
    d.decos = {stripe({S(96, -60), S(128, -60), S(128, -20), S(96, -20)}, Material::Trim, 2),
               stripe({S(96, 40), S(128, 40), S(128, 80), S(96, 80)}, Material::Trim, 2),
               stripe({S(96, -10), S(128, -10), S(128, 30), S(96, 30)}, Material::Hull, 2),
               stripe({S(0, -30), S(60, -30), S(60, -22), S(0, -22)}, Material::Trim, 3),
               vents(112, 96, 6, 4, 14, 2), vents(30, 40, 10, 4, 12, 3), rivets(S(88, -100), S(88, 130), 24, 2)};
    d.cockpits = {{0, -160, 9, 12}};
    d.engines = {{112, 146, 16, 0.5}, {24, 183, 14, 0.35}};
    d.lights = {S(136, -80), S(136, 120)};
    d.greebles = 110;
    d.socketRadius = 7;
    return d;
}

}  // namespace

std::vector<ShipDesign> freelancerShips() { return {ironfighter(), ant(), x1(), shark(), kail(), coloss()}; }

}  // namespace tolvex::shipart
