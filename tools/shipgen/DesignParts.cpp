#include "DesignParts.h"

namespace tolvex::shipart {

ShipDesign design(const char* file, int width, int height, const char* faction) {
    ShipDesign d;
    d.file = file;
    d.width = width;
    d.height = height;
    d.palette = factionPalette(faction);
    return d;
}

ShipDesign specialEdition(const ShipDesign& base, const char* file) {
    ShipDesign d = base;
    d.file = file;
    d.palette = premiumPalette(base.palette);
    d.premium = true;
    d.patched = false;
    return d;
}

}  // namespace tolvex::shipart
