#include "DesignParts.h"
#include "ShipDesigns.h"

namespace tolvex::shipart {

namespace {

// A thin blue inlay following a crescent wing, the Moonlancers' mark.
Part inlay(const Part& wing) {
    Part p = crescent(wing.x, wing.y, wing.w - wing.h * 0.3, wing.h * 0.24, wing.r * 0.93, wing.flipCrescent,
                      Material::Trim);
    p.y += wing.flipCrescent ? wing.h * 0.05 : -wing.h * 0.05;
    return p;
}

// A slim body cradled in a forward-curling crescent wing.
ShipDesign moonsparrow() {
    ShipDesign d = design("Moonsparrow.png", 56, 52, "Moonlancer");
    d.parts = {
        crescent(0, -8, 26, 10, 100, false, Material::Second),
        inlay(crescent(0, -8, 26, 10, 100, false)),
        hull({S(0, -25), P(5, -16), P(6, 4), P(4, 18), S(0, 22)}, 1),
    };
    d.decos = {stripe({S(0, -25), S(5, -16), S(3, -15), S(0, -20)}, Material::Trim, 2)};
    d.cockpits = {{0, -12, 3, 5}};
    d.engines = {{0, 23, 4.5, 1.1}};
    d.lights = {S(25, -12)};
    d.socketRadius = 3.5;
    return d;
}

// A boomerang wing swept back around a long body, guns under the wing roots.
ShipDesign moonhawk() {
    ShipDesign d = design("Moonhawk.png", 84, 72, "Moonlancer");
    d.parts = {
        crescent(0, 44, 42, 14, 70, true, Material::Second),
        inlay(crescent(0, 44, 42, 14, 70, true)),
        ellipse(18, 12, 4.5, 6.5, Material::Dark),
        hull({S(0, -35), P(6, -24), P(8, 0), P(7, 22), S(0, 30)}, 2),
    };
    d.decos = {stripe({S(0, -35), S(6, -24), S(4, -22), S(0, -29)}, Material::Trim, 3),
               line({P(10, 6), P(24, 10), P(36, 20)}, 0)};
    d.cockpits = {{0, -18, 3.6, 7}};
    d.engines = {{0, 31, 5, 1.2}, {34, 27, 4, 0.8}};
    d.lights = {S(38, 28)};
    d.socketRadius = 4.5;
    return d;
}

// Two nested crescents: a great forward arc carrying the guns and a small tail arc.
ShipDesign mooneagle() {
    ShipDesign d = design("Mooneagle.png", 120, 90, "Moonlancer");
    d.parts = {
        crescent(0, 50, 22, 7, 65, true, Material::Second),
        crescent(0, -20, 53, 16, 108, false, Material::Second),
        inlay(crescent(0, -20, 53, 16, 108, false)),
        ellipse(36, 14, 5, 6, Material::Dark),
        hull({S(0, -40), P(7, -30), P(10, -6), P(9, 20), S(0, 38)}, 3),
    };
    d.decos = {stripe({S(0, 20), S(9, 20), S(9, 23), S(0, 23)}, Material::Trim, 4),
               line({P(16, 28), P(30, 24), P(44, 14)}, 1)};
    d.cockpits = {{0, -24, 4, 8}};
    d.engines = {{0, 40, 6, 1.2}, {20, 42, 4, 0.8}};
    d.lights = {S(49, -38)};
    d.socketRadius = 5;
    return d;
}

// The Eyrie: a vast crescent carrier with tower nacelles at its horns and a domed command hub.
ShipDesign mothership() {
    ShipDesign d = design("Mothership.png", 500, 280, "Moonlancer");
    d.parts = {
        crescent(0, -80, 210, 70, 84, false, Material::Hull),
        box(196, -2, 16, 8, 3, Material::Dark),
        box(216, 0, 18, 44, 8, Material::Second, 3),
        ellipse(0, 30, 62, 56, Material::Second, true),
        hull({S(0, -125), P(14, -110), P(22, -60), P(26, 0), S(0, 10)}, 3),
    };
    d.parts[0].seams = 4;
    d.decos = {stripe({S(60, 80), S(200, -20), S(206, -14), S(64, 90)}, Material::Trim, 0),
               stripe({S(198, -44), S(234, -44), S(234, -36), S(198, -36)}, Material::Trim, 2),
               vents(150, 30, 6, 5, 14, 0), vents(60, 100, 5, 4, 18, 0), rivets(S(40, 120), S(140, 80), 12, 0)};
    d.cockpits = {{0, -84, 8, 16}, {0, 26, 22, 18}};
    d.engines = {{90, 118, 14, 0.5}, {40, 128, 12, 0.4}, {216, 46, 12, 0.5}};
    d.lights = {S(233, -40), S(208, -60)};
    d.greebles = 80;
    d.socketRadius = 7;
    return d;
}

}  // namespace

std::vector<ShipDesign> moonlancerShips() { return {moonsparrow(), moonhawk(), mooneagle(), mothership()}; }

}  // namespace tolvex::shipart
