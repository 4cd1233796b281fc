#include "ShipPainter.h"

#include <functional>
#include <string>

#include "Canvas.h"
#include "HullShading.h"
#include "Rng.h"
#include "ShipDetails.h"
#include "ShipGlow.h"
#include "content/ShipTableRows.h"

namespace tolvex::shipart {

namespace {

// A seed that depends only on the file name, so every ship keeps its own greebles across builds.
std::uint64_t seedOf(const std::string& name) {
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : name) h = (h ^ c) * 1099511628211ULL;
    return h;
}

void paintEngines(cairo_t* cr, const ShipDesign& d) {
    for (const Engine& e : d.engines) {
        drawNozzle(cr, d.palette, e.x, e.y, e.w);
        if (e.x != 0) drawNozzle(cr, d.palette, -e.x, e.y, e.w);
    }
}

void paintSockets(cairo_t* cr, const ShipDesign& d, std::span<const Mount> mounts) {
    for (const Mount& m : mounts) drawSocket(cr, d.palette, -m.x, m.y, d.socketRadius);
}

void paintLights(cairo_t* cr, const ShipDesign& d) {
    for (const Pt& l : d.lights) {
        drawLight(cr, l.x, l.y, 1.2, art::Color::hex(0x50ff70));
        drawLight(cr, -l.x, l.y, 1.2, art::Color::hex(0xff4040));
    }
}

}  // namespace

std::vector<Mount> mountsOf(const std::string& image) {
    std::vector<Mount> out;
    for (const ShipTypeRow& type : kShipTable) {
        if (type.image != image) continue;
        for (const ShipMountRow& m : type.mounts()) {
            bool known = false;
            for (const auto& o : out) known = known || (o.x == m.x && o.y == m.y);
            if (!known) out.push_back({m.x, m.y});
        }
    }
    return out;
}

art::Image paintShip(const ShipDesign& d, std::span<const Mount> mounts, int zoom) {
    art::Canvas canvas(d.width * zoom, d.height * zoom, 4);
    cairo_t* cr = canvas.cr();
    cairo_scale(cr, zoom, zoom);
    cairo_translate(cr, d.width / 2.0, d.height / 2.0);
    art::Rng rng(seedOf(d.file));
    for (const Part& p : d.parts) shadePart(cr, p, d.palette);
    if (d.patched) drawPatches(cr, d, rng);
    drawGreebles(cr, d, rng);
    for (const Deco& deco : d.decos) drawDeco(cr, d, deco);
    if (d.premium) drawPremiumTrim(cr, d);
    paintEngines(cr, d);
    for (const Cockpit& c : d.cockpits) drawCockpit(cr, d.palette, c);
    paintSockets(cr, d, mounts);
    paintLights(cr, d);
    return composeOver(canvas.image(), paintGlow(d, zoom));
}

}  // namespace tolvex::shipart
