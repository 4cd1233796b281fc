// The ship types as the artwork sees them: which image each type uses and where its guns sit.
// Shared by the ship generator (to put sockets under the turrets) and by the asset checks (to
// prove every mount lands on solid hull). A mount (x, y) sits at image point (centre - x, centre + y).
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace tolvex::shipart {

// One gun mount in ship coordinates.
struct Mount {
    double x;
    double y;
};

// One ship type: its ID, its image file and its gun mounts in table order.
struct ShipTypeArt {
    std::string_view id;
    std::string_view image;
    std::string_view faction;
    std::array<Mount, 8> mountSlots;
    std::size_t mountCount;

    // The mounts actually used by this type.
    constexpr std::span<const Mount> mounts() const { return {mountSlots.data(), mountCount}; }
};

// All 52 ship types in the order the game defines them.
inline constexpr std::array<ShipTypeArt, 52> kShipTypes{{
    {"pj_modernx", "modernx.png", "Player", {{{10, 25}, {0, 15}, {-10, 25}}}, 3},
    {"pj_darkstar_se", "DarkstarSE.png", "Player", {{{-29, 21}, {29, 21}, {0, -23}}}, 3},
    {"pj_darkx", "darkx.png", "Player", {{{10, 25}, {0, 15}, {-10, 25}}}, 3},
    {"bj_tigerx", "TigerX.png", "Player", {{{10, 25}, {0, 15}, {-10, 25}}}, 3},
    {"j_bat", "Bat.png", "NASA", {{{2, 6}}}, 1},
    {"js_bee", "Bee.png", "NASA", {{{2, 6}}}, 1},
    {"f_acteon", "Acteon.png", "NASA", {{{2, 6}}}, 1},
    {"js_guanmercque", "GuanMercque.png", "Alien", {{{8, -1}}}, 1},
    {"t_guansharcxy", "GuanSharcxy.png", "Alien", {{{-37, -15}, {37, -15}, {0, -6}}}, 3},
    {"j_silverhawk", "Silverhawk.png", "Police", {{{-9, 0}, {9, 0}}}, 2},
    {"kr_silvereagle", "Silvereagle.png", "Police", {{{-23, 4}, {23, 4}}}, 2},
    {"j_moskito", "Moskito.png", "Insects", {{{-19, 10}, {19, 10}}}, 2},
    {"js_dragonfly", "Dragonfly.png", "Insects", {{{0, -18}, {-28, 20}, {28, 20}}}, 3},
    {"kr_Hornet", "Hornet.png", "Insects", {{{0, 55}, {-43, 11}, {43, 11}, {0, 28}}}, 4},
    {"d_dronea1", "DroneA1.png", "Dronen", {{{0, 0}}}, 1},
    {"d_droneb1", "DroneB1.png", "Dronen", {{{0, 0}}}, 1},
    {"d_droneb2", "DroneB2.png", "Dronen", {{{0, 0}}}, 1},
    {"d_droneb3", "DroneB3.png", "Dronen", {{{0, 0}}}, 1},
    {"d_dronec1", "DroneC1.png", "Dronen", {{{-15, 0}, {15, 0}}}, 2},
    {"j_salamander", "Salamander.png", "BringIt Coop", {{{0, 0}}}, 1},
    {"t_turtle", "Turtle.png", "BringIt Coop", {{{0, 16}, {0, 38}}}, 2},
    {"ko_praecox", "Praecox.png", "BringIt Coop",
     {{{0, -110}, {-37, -40}, {37, -40}, {-37, 40}, {37, 40}, {0, 121}, {-48, 145}, {48, 145}}}, 8},
    {"j_stichr", "Stich.png", "Red Army", {{{0, 15}}}, 1},
    {"js_ferrarirdeluxe", "FerrariDeluxe.png", "Red Army", {{{-15, -6}, {15, -6}}}, 2},
    {"t_striver", "Strive.png", "Red Army", {{{0, -18}, {16, 16}, {16, 16}}}, 3},
    {"kr_stocher", "Stoche.png", "Red Army", {{{0, 31}, {16, -25}, {-16, -25}}}, 3},
    {"j_xfighter", "xfighter.png", "Elite", {{{0, 0}, {0, 20}}}, 2},
    {"kr_sunshine", "Sunshine.png", "Elite", {{{-35, -2}, {35, -2}, {0, 28}}}, 3},
    {"f_darkstar", "Darkstar.png", "Elite", {{{-29, 21}, {29, 21}, {0, -23}}}, 3},
    {"kr_piranha", "Piranha.png", "Pirat", {{{-10, 2}, {10, 2}}}, 2},
    {"ko_courgon", "Courgon.png", "Pirat", {{{-12, 51}, {-25, -51}, {25, -51}, {-12, 84}}}, 4},
    {"j_ironfighter", "Ironfighter.png", "Freelancer", {{{0, 15}}}, 1},
    {"js_ant", "Ant.png", "Freelancer", {{{0, 15}}}, 1},
    {"t_x1", "X1.png", "Freelancer", {{{0, 15}}}, 1},
    {"kr_shark", "Shark.png", "Freelancer", {{{0, -5}, {-15, 10}, {15, 10}}}, 3},
    {"ko_kail", "Kail.png", "Freelancer", {{{0, -150}, {-18, -116}, {18, -116}, {-22, 0}, {22, 0}}}, 5},
    {"ms_coloss", "Coloss.png", "Freelancer",
     {{{-113, -92}, {113, -92}, {0, 129}, {-108, 119}, {108, 119}, {0, -153}, {-46, -130}, {46, -130}}}, 8},
    {"j_moonsparrow", "Moonsparrow.png", "Moonlancer", {{{0, -4}}}, 1},
    {"js_moonhawk", "Moonhawk.png", "Moonlancer", {{{-18, 12}, {18, 12}}}, 2},
    {"kr_mooneagle", "Mooneagle.png", "Moonlancer", {{{-36, 14}, {36, 14}, {0, 0}}}, 3},
    {"ms_eyrie", "Mothership.png", "Moonlancer",
     {{{-110, 80}, {110, 80}, {-220, 20}, {220, 20}, {-220, -20}, {220, -20}, {0, 80}}}, 7},
    {"ko_avocada", "Avocada.png", "Froots", {{{0, 30}, {-70, 30}, {70, 30}}}, 3},
    {"js_guanmercque_se", "GuanMercqueSE.png", "Special Edition", {{{8, -1}}}, 1},
    {"j_silverhawk_se", "SilverhawkSE.png", "Special Edition", {{{-9, 0}, {9, 0}}}, 2},
    {"js_dragonfly_se", "DragonflySE.png", "Special Edition", {{{0, -18}, {-28, 20}, {28, 20}}}, 3},
    {"d_dronec1_se", "DroneC1SE.png", "Special Edition", {{{-15, 0}, {15, 0}}}, 2},
    {"t_turtle_se", "TurtleSE.png", "Special Edition", {{{0, 16}, {0, 38}}}, 2},
    {"js_ferrarideluxer_se", "FerrariDeluxeSE.png", "Special Edition", {{{-15, -6}, {15, -6}}}, 2},
    {"kr_piranha_se", "PiranhaSE.png", "Special Edition", {{{-10, 2}, {10, 2}}}, 2},
    {"f_darkstar_se", "DarkstarSE.png", "Special Edition", {{{-29, 21}, {29, 21}, {0, -23}}}, 3},
    {"ko_kail_se", "KailSE.png", "Special Edition",
     {{{0, -150}, {-18, -116}, {18, -116}, {-22, 0}, {22, 0}}}, 5},
    {"ms_eyriese", "MothershipSE.png", "Special Edition",
     {{{-110, 80}, {110, 80}, {-220, 20}, {220, 20}, {-220, -20}, {220, -20}, {0, 80}}}, 7},
}};

}  // namespace tolvex::shipart
