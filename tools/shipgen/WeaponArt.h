// The small sprites that fly around the ships: turrets, shots, rockets and debris fragments.
#pragma once

#include <string>
#include <vector>

#include "Image.h"

namespace tolvex::shipart {

// One finished sprite and the file it goes to.
struct Sprite {
    std::string file;
    art::Image image;
};

// Turrets, pointing up, pivot at (width / 2, the gun's TurretYAlign).
std::vector<Sprite> turretSprites();
// Shots, pointing up, bright core on transparent black for additive drawing.
std::vector<Sprite> shotSprites();
// The four rocket kinds, nose up, handle at the centre.
std::vector<Sprite> rocketSprites();
// The sixteen hull fragments.
std::vector<Sprite> debrisSprites();

// All of them.
std::vector<Sprite> weaponSprites();

}  // namespace tolvex::shipart
