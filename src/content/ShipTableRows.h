#pragma once
// The 52 ship types as plain data, in the order the start-up defines them. The game builds its
// catalogue from these rows and the artwork generator paints hulls and gun sockets from them, so
// a ship's picture and its mounts can never disagree. Standard headers only: tools include it too.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tolvex {

// One gun mount: gun type ID, offset in ship coordinates, turret AI level.
struct ShipMountRow {
  std::string_view gun;
  float x = 0;
  float y = 0;
  std::uint8_t ki = 0;
};

// One ship type. Mounts and rewards fill their slots from the front; the first empty slot ends them.
struct ShipTypeRow {
  std::string_view id, name, fraction, image, explosion;
  float power, speed, mass, hp, armor;
  std::array<ShipMountRow, 8> mountSlots;
  std::array<int, 4> rockets;
  std::array<std::string_view, 5> rewardSlots;

  constexpr std::span<const ShipMountRow> mounts() const { return {mountSlots.data(), Used(mountSlots)}; }
  constexpr std::span<const std::string_view> rewards() const { return {rewardSlots.data(), Used(rewardSlots)}; }

 private:
  static constexpr bool Empty(const ShipMountRow& mount) { return mount.gun.empty(); }
  static constexpr bool Empty(std::string_view reward) { return reward.empty(); }
  template <typename Slots>
  static constexpr std::size_t Used(const Slots& slots) {
    std::size_t n = 0;
    while (n < slots.size() && !Empty(slots[n])) ++n;
    return n;
  }
};

// Columns: ID, name, faction, hull image, explosion effect, engine power and speed, mass, hit points,
// armour; the gun mounts; starting rockets of types 0–3; the reward commands.
inline constexpr std::array<ShipTypeRow, 52> kShipTable{{
    {"pj_modernx", "Modern X", "Player", "modernx.png", "ExplosionShipBig", 15, 16, 50, 100, 2,
     {{{"MG-500", 10, 25, 4}, {"DL-2500", 0, 15, 0}, {"MG-500", -10, 25, 4}}},
     {3, 2, 1, 0}, {}},
    {"pj_darkstar_se", "Darkstar SE", "Player", "DarkstarSE.png", "ExplosionShip", 30, 18, 100, 160, 2,
     {{{"MG-500+", -29, 21, 4}, {"MG-500+", 29, 21, 4}, {"DL-2500", 0, -23, 0}}},
     {3, 3, 2, 0}, {}},
    {"pj_darkx", "Dark X", "Player", "darkx.png", "ExplosionShipBig", 25, 18, 80, 100, 2,
     {{{"MG-500+", 10, 25, 4}, {"DL-2500", 0, 15, 0}, {"MG-500+", -10, 25, 4}}},
     {3, 2, 1, 0}, {}},
    {"bj_tigerx", "Tiger X", "Player", "TigerX.png", "ExplosionShipBig", 15, 16, 50, 100, 1,
     {{{"MG-500", 10, 25, 4}, {"DL-1000", 0, 15, 5}, {"MG-500", -10, 25, 4}}},
     {3, 2, 1, 0}, {}},
    {"j_bat", "Bat", "NASA", "Bat.png", "ExplosionShip", 14, 12, 50, 100, 1,
     {{{"LGM-900", 2, 6, 5}}},
     {3, 0, 0, 0}, {"points,10"}},
    {"js_bee", "Bee", "NASA", "Bee.png", "ExplosionShip", 14, 12, 70, 100, 1,
     {{{"LGM-900", 2, 6, 5}}},
     {3, 0, 0, 0}, {"points,12"}},
    {"f_acteon", "Acteon", "NASA", "Acteon.png", "ExplosionShip", 14, 12, 100, 140, 1.2,
     {{{"LGM-900", 2, 6, 5}}},
     {8, 1, 0, 0}, {"points,16"}},
    {"js_guanmercque", "Guan Merque", "Alien", "GuanMercque.png", "ExplosionShip", 16, 13, 80, 80, 1,
     {{{"LGM-900", 8, -1, 3}}},
     {2, 2, 0, 0}, {"points,14"}},
    {"t_guansharcxy", "Guan Sharcxy", "Alien", "GuanSharcxy.png", "ExplosionShip", 14, 12, 120, 250, 1,
     {{{"MG-500", -37, -15, 4}, {"MG-500", 37, -15, 4}, {"LGM-300", 0, -6, 5}}},
     {5, 3, 0, 0}, {"points,15"}},
    {"j_silverhawk", "Silverhawk", "Police", "Silverhawk.png", "ExplosionShip", 8, 8, 40, 50, 0.8,
     {{{"LGB-800", -9, 0, 3}, {"LGB-800", 9, 0, 3}}},
     {2, 2, 0, 0}, {"points,10"}},
    {"kr_silvereagle", "Silvereagle", "Police", "Silvereagle.png", "ExplosionShip", 20, 16, 140, 150, 0.8,
     {{{"LGB-1000", -23, 4, 5}, {"LGB-1000", 23, 4, 5}}},
     {2, 2, 0, 0}, {"points,20"}},
    {"j_moskito", "Moskito", "Insects", "Moskito.png", "ExplosionShip", 18, 14, 40, 40, 1,
     {{{"LGR-1000", -19, 10, 3}, {"LGR-1000", 19, 10, 3}}},
     {1, 1, 0, 0}, {"points,10"}},
    {"js_dragonfly", "Dragonfly", "Insects", "Dragonfly.png", "ExplosionShip", 20, 14, 120, 100, 0.8,
     {{{"LGR-2000", 0, -18, 5}, {"MG-500", -28, 20, 4}, {"MG-500", 28, 20, 4}}},
     {5, 3, 0, 0}, {"points,15"}},
    {"kr_Hornet", "Hornet", "Insects", "Hornet.png", "ExplosionShipBig", 22, 12, 100, 160, 0.8,
     {{{"LGR-3000", 0, 55, 3}, {"LGR-1000", -43, 11, 3}, {"LGR-1000", 43, 11, 3}, {"MG-500", 0, 28, 4}}},
     {3, 3, 2, 0}, {"points,25"}},
    {"d_dronea1", "Drone A1", "Dronen", "DroneA1.png", "ExplosionShipLittle", 10, 15, 20, 20, 0.8,
     {{{"LGO-300", 0, 0, 5}}},
     {0, 0, 0, 0}, {"points,8"}},
    {"d_droneb1", "Drone B1", "Dronen", "DroneB1.png", "ExplosionShipLittle", 5, 15, 40, 30, 0.8,
     {{{"LGR-1000", 0, 0, 5}}},
     {0, 0, 0, 0}, {"points,12"}},
    {"d_droneb2", "Drone B2", "Dronen", "DroneB2.png", "ExplosionShipLittle", 5, 15, 40, 30, 0.8,
     {{{"LGB-800", 0, 0, 5}}},
     {0, 0, 0, 0}, {"points,12"}},
    {"d_droneb3", "Drone B3", "Dronen", "DroneB3.png", "ExplosionShipLittle", 5, 15, 40, 30, 0.8,
     {{{"LGB-1000", 0, 0, 2}}},
     {0, 0, 0, 0}, {"points,12"}},
    {"d_dronec1", "Drone C1", "Dronen", "DroneC1.png", "ExplosionShipLittle", 5, 15, 50, 50, 0.8,
     {{{"LGO-300", -15, 0, 5}, {"LGO-300", 15, 0, 5}}},
     {1, 0, 0, 0}, {"points,20"}},
    {"j_salamander", "Salamander", "BringIt Coop", "Salamander.png", "ExplosionShip", 15, 20, 60, 60, 1,
     {{{"LGB-1000", 0, 0, 5}}},
     {2, 2, 0, 0}, {"points,10"}},
    {"t_turtle", "Turtle", "BringIt Coop", "Turtle.png", "ExplosionShip", 15, 18, 200, 250, 1,
     {{{"LGB-1000", 0, 16, 3}, {"MG-500", 0, 38, 4}}},
     {3, 2, 1, 0}, {"points,20"}},
    {"ko_praecox", "Praecox", "BringIt Coop", "Praecox.png", "ExplosionShipBig", 18, 8, 400, 400, 2.5,
     {{{"LGB-800", 0, -110, 3}, {"LGB-800", -37, -40, 3}, {"LGB-800", 37, -40, 3}, {"LGB-800", -37, 40, 3},
       {"LGB-800", 37, 40, 3}, {"LGB-1200", 0, 121, 3}, {"MG-500", -48, 145, 4}, {"MG-500", 48, 145, 4}}},
     {3, 3, 3, 0}, {"points,60"}},
    {"j_stichr", "Stich R", "Red Army", "Stich.png", "ExplosionShip", 15, 15, 50, 50, 0.8,
     {{{"LGR-2000", 0, 15, 5}}},
     {2, 1, 0, 0}, {"points,10"}},
    {"js_ferrarirdeluxe", "Ferrari Deluxe R", "Red Army", "FerrariDeluxe.png", "ExplosionShip", 18, 18, 70, 80, 1,
     {{{"TLY-800", -15, -6, 5}, {"TLY-800", 15, -6, 5}}},
     {3, 2, 1, 0}, {"points,20"}},
    {"t_striver", "Strive R", "Red Army", "Strive.png", "ExplosionShip", 15, 18, 160, 180, 1,
     {{{"LGR-2000", 0, -18, 2}, {"MG-500", 16, 16, 4}, {"MG-500", 16, 16, 4}}},
     {3, 2, 1, 0}, {"points,20"}},
    {"kr_stocher", "Stoche R", "Red Army", "Stoche.png", "ExplosionShip", 14, 22, 100, 100, 1,
     {{{"LGR-3000", 0, 31, 3}, {"LGB-800", 16, -25, 4}, {"LGB-800", -16, -25, 4}}},
     {3, 3, 2, 0}, {"points,20"}},
    {"j_xfighter", "X-Fighter", "Elite", "xfighter.png", "ExplosionShip", 15, 18, 65, 100, 1,
     {{{"LGB-1000", 0, 0, 2}, {"MG-500", 0, 20, 4}}},
     {3, 2, 1, 0}, {"points,10"}},
    {"kr_sunshine", "Sunshine", "Elite", "Sunshine.png", "ExplosionShip", 18, 18, 100, 120, 1,
     {{{"LGO-600", -35, -2, 5}, {"LGO-600", 35, -2, 5}, {"MG-500", 0, 28, 4}}},
     {3, 3, 2, 0}, {"points,30"}},
    {"f_darkstar", "Darkstar", "Elite", "Darkstar.png", "ExplosionShip", 16, 17, 100, 160, 1.5,
     {{{"MG-500", -29, 21, 4}, {"MG-500", 29, 21, 4}, {"LGO-800", 0, -23, 5}}},
     {3, 3, 2, 0}, {"points,40"}},
    {"kr_piranha", "Piranha", "Pirat", "Piranha.png", "ExplosionShip", 18, 18, 100, 140, 1,
     {{{"LGR-3000", -10, 2, 5}, {"LGR-3000", 10, 2, 5}}},
     {3, 3, 2, 0}, {"points,20"}},
    {"ko_courgon", "Courgon", "Pirat", "Courgon.png", "ExplosionShipBig", 14, 14, 300, 260, 2,
     {{{"LGR-3000", -12, 51, 5}, {"LGB-800", -25, -51, 3}, {"LGB-800", 25, -51, 3}, {"MG-500", -12, 84, 4}}},
     {3, 3, 3, 0}, {"points,80"}},
    {"j_ironfighter", "Ironfighter", "Freelancer", "Ironfighter.png", "ExplosionShip", 15, 20, 50, 50, 1,
     {{{"LGB-1000", 0, 15, 5}}},
     {3, 2, 0, 0}, {"points,10"}},
    {"js_ant", "Ant", "Freelancer", "Ant.png", "ExplosionShip", 15, 18, 50, 80, 1,
     {{{"LGO-800", 0, 15, 3}}},
     {3, 2, 1, 0}, {"points,20"}},
    {"t_x1", "X1", "Freelancer", "X1.png", "ExplosionShip", 15, 18, 120, 180, 1,
     {{{"LGR-3000", 0, 15, 3}}},
     {3, 2, 1, 0}, {"points,20"}},
    {"kr_shark", "Shark", "Freelancer", "Shark.png", "ExplosionShip", 15, 16, 200, 240, 1,
     {{{"PBT-6000", 0, -5, 3}, {"MG-500", -15, 10, 4}, {"MG-500", 15, 10, 4}}},
     {3, 3, 2, 0}, {"points,20"}},
    {"ko_kail", "Kail", "Freelancer", "Kail.png", "ExplosionShipBig", 40, 10, 1500, 500, 2.5,
     {{{"LGR-3000", 0, -150, 2}, {"LGR-2000", -18, -116, 3}, {"LGR-2000", 18, -116, 3}, {"MG-500", -22, 0, 3},
       {"MG-500", 22, 0, 3}}},
     {3, 3, 2, 0}, {"points,100"}},
    {"ms_coloss", "Mothership Coloss", "Freelancer", "Coloss.png", "ExplosionShipBig", 40, 10, 1800, 650, 3,
     {{{"LGB-800", -113, -92, 3}, {"LGB-800", 113, -92, 3}, {"LGB-800", 0, 129, 5}, {"MG-500", -108, 119, 4},
       {"MG-500", 108, 119, 4}, {"MG-500", 0, -153, 4}, {"MG-500", -46, -130, 4}, {"MG-500", 46, -130, 4}}},
     {5, 5, 5, 0},
     {"rocket0,5", "rocket1,5", "rocket2,3", "points,100",
      "msg,You raided a superfreighter!!! Got reward: 5+5+3 rockets and 100 points"}},
    {"j_moonsparrow", "Moonsparrow", "Moonlancer", "Moonsparrow.png", "ExplosionShip", 15, 20, 80, 80, 1,
     {{{"LGB-800", 0, -4, 5}}},
     {2, 2, 0, 0}, {"points,10"}},
    {"js_moonhawk", "Moonhawk", "Moonlancer", "Moonhawk.png", "ExplosionShip", 18, 30, 160, 80, 1.5,
     {{{"LGB-800", -18, 12, 5}, {"LGB-800", 18, 12, 5}}},
     {3, 2, 1, 0}, {"points,20"}},
    {"kr_mooneagle", "Mooneagle", "Moonlancer", "Mooneagle.png", "ExplosionShip", 18, 30, 180, 140, 1.5,
     {{{"LGO-800", -36, 14, 5}, {"LGO-800", 36, 14, 5}, {"MG-500", 0, 0, 4}}},
     {3, 3, 3, 0}, {"points,30"}},
    {"ms_eyrie", "Mothership Eyrie", "Moonlancer", "Mothership.png", "ExplosionShipBig", 40, 8, 2000, 750, 3,
     {{{"PBT-6000", -110, 80, 3}, {"PBT-6000", 110, 80, 3}, {"MG-500", -220, 20, 4}, {"MG-500", 220, 20, 4},
       {"MG-500", -220, -20, 4}, {"MG-500", 220, -20, 4}, {"LB-4500", 0, 80, 5}}},
     {5, 5, 5, 0},
     {"rocket1,3", "rocket2,2", "points,120", "hp,50",
      "msg,Mothership Destroyed!!! Got reward: 0+5+3 rockets, 50 HP and 120 points"}},
    {"ko_avocada", "Avocada", "Froots", "Avocada.png", "ExplosionShipBig", 18, 18, 350, 350, 2.5,
     {{{"D-18000", 0, 30, 3}, {"LGB-1000", -70, 30, 3}, {"LGB-1000", 70, 30, 3}}},
     {3, 3, 3, 0}, {"points,60"}},
    {"js_guanmercque_se", "Guan Merque SE", "Special Edition", "GuanMercqueSE.png", "ExplosionShip", 16, 13, 85, 100, 1,
     {{{"LGBV-1200", 8, -1, 5}}},
     {5, 3, 0, 0}, {"rocket0,1", "rocket1,1", "points,2", "msg,Got reward: 1+1 rockets and 2 points"}},
    {"j_silverhawk_se", "Silverhawk SE", "Special Edition", "SilverhawkSE.png", "ExplosionShip", 12, 18, 40, 50, 1,
     {{{"LGBV-1000", -9, 0, 5}, {"LGBV-1000", 9, 0, 5}}},
     {3, 3, 0, 0}, {"rocket0,1", "rocket1,1", "points,2", "msg,Got reward: 1+1 rockets and 2 points"}},
    {"js_dragonfly_se", "Dragonfly SE", "Special Edition", "DragonflySE.png", "ExplosionShip", 20, 14, 120, 100, 1,
     {{{"LGBV-1200", 0, -18, 5}, {"MG-500", -28, 20, 4}, {"MG-500", 28, 20, 4}}},
     {5, 3, 0, 0}, {"rocket0,2", "rocket1,1", "points,2", "msg,Got reward: 2+1 rockets and 2 points"}},
    {"d_dronec1_se", "Drone C1 SE", "Special Edition", "DroneC1SE.png", "ExplosionShipLittle", 5, 15, 50, 50, 0.8,
     {{{"LGBV-1000", -15, 0, 5}, {"LGBV-1000", 15, 0, 5}}},
     {1, 0, 0, 0}, {"rocket0,2", "rocket1,1", "points,2", "msg,Got reward: 2+1 rockets and 2 points"}},
    {"t_turtle_se", "Turtle SE", "Special Edition", "TurtleSE.png", "ExplosionShip", 15, 18, 180, 280, 1,
     {{{"LGBV-1200", 0, 16, 3}, {"MG-500", 0, 38, 4}}},
     {3, 2, 1, 0}, {"rocket0,2", "rocket1,2", "rocket2,1", "points,4", "msg,Got reward: 2+2+1 rockets and 4 points"}},
    {"js_ferrarideluxer_se", "Ferrari Deluxe R SE", "Special Edition", "FerrariDeluxeSE.png", "ExplosionShip", 18, 18, 70, 80, 1,
     {{{"LGBV-1200", -15, -6, 5}, {"LGBV-1200", 15, -6, 5}}},
     {3, 3, 3, 0}, {"rocket0,1", "rocket1,1", "rocket2,1", "points,3", "msg,Got reward: 1+1+1 rockets and 3 points"}},
    {"kr_piranha_se", "Piranha SE", "Special Edition", "PiranhaSE.png", "ExplosionShip", 18, 18, 120, 160, 1,
     {{{"LGBV-1400", -10, 2, 5}, {"LGBV-1400", 10, 2, 5}}},
     {3, 3, 2, 0}, {"rocket0,2", "rocket1,2", "rocket2,1", "points,4", "msg,Got reward: 2+2+1 rockets and 4 points"}},
    {"f_darkstar_se", "Darkstar SE", "Special Edition", "DarkstarSE.png", "ExplosionShip", 16, 18, 100, 160, 2,
     {{{"MG-500", -29, 21, 4}, {"MG-500", 29, 21, 4}, {"LGBV-1200", 0, -23, 5}}},
     {3, 3, 2, 0}, {"rocket0,2", "rocket1,2", "rocket2,1", "points,5", "msg,Got reward: 2+2+1 rockets and 5 points"}},
    {"ko_kail_se", "Kail SE", "Special Edition", "KailSE.png", "ExplosionShipBig", 40, 10, 1500, 650, 3,
     {{{"D-18000", 0, -150, 2}, {"LGBV-1000", -18, -116, 3}, {"LGBV-1000", 18, -116, 3}, {"LGBV-1200", -22, 0, 3},
       {"LGBV-1200", 22, 0, 3}}},
     {3, 3, 2, 0}, {"rocket1,2", "rocket2,2", "points,15", "msg,Got reward: 0+2+2 rockets and 15 points"}},
    {"ms_eyriese", "Mothership Eyrie SE", "Special Edition", "MothershipSE.png", "ExplosionShipBig", 80, 8, 3000, 1500, 3,
     {{{"LGBV-1200", -110, 80, 3}, {"LGBV-1200", 110, 80, 3}, {"MG-500", -220, 20, 4}, {"MG-500", 220, 20, 4},
       {"MG-500", -220, -20, 4}, {"MG-500", 220, -20, 4}, {"LB-4500", 0, 80, 5}}},
     {5, 5, 5, 0}, {"points,10", "msg,Mother of all motherships destroyed!!!", "telldeath,ms_eyriese"}},
}};

}  // namespace tolvex
