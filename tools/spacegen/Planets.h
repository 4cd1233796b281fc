#pragma once

#include <string>

namespace tolvex::art {

// Planet1.png ... Planet8.png: lit spheres with surface detail and an atmosphere rim.
void writePlanets(const std::string& dir);

// Hubble.png: a tiny space telescope drifting in the distance.
void writeHubble(const std::string& dir);

}  // namespace tolvex::art
