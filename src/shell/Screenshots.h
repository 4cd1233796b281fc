#pragma once
// Screenshots into the "screenshots" folder, and the loading screen's pick among them.
#include <string>

#include "platform/Image.h"

namespace tolvex {

// Saves the whole back buffer as the next free "pic" + number + ".png"; returns the file name ("" on failure).
std::string TakeScreenshot();
// A random earlier screenshot as an image, or null when there is none.
ImagePtr PickStartupBackground();

}  // namespace tolvex
