#include "WeaponArt.h"

namespace tolvex::shipart {

std::vector<Sprite> weaponSprites() {
    std::vector<Sprite> all;
    for (auto* group : {turretSprites, shotSprites, rocketSprites, debrisSprites}) {
        auto sprites = group();
        for (auto& s : sprites) all.push_back(std::move(s));
    }
    return all;
}

}  // namespace tolvex::shipart
