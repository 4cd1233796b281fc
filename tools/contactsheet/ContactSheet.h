#pragma once

#include <string>
#include <vector>

#include "Image.h"

namespace tolvex::art {

// One picture to show on the sheet.
struct SheetEntry {
    std::string name;
    Image image;
};

// Lays the entries out in rows on a dark checkered background, each labelled with its name and
// size. Images larger than `maxCell` are shown reduced; `zoom` > 1 enlarges small ones for review.
Image makeContactSheet(const std::vector<SheetEntry>& entries, int sheetWidth, int maxCell, double zoom);

}  // namespace tolvex::art
