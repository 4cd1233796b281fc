// Renders the three bitmap fonts and writes their metrics into the folder given as the only argument.
#include <fstream>
#include <stdexcept>

#include "ArtKit.h"
#include "GlyphAtlas.h"
#include "MetricsFiles.h"

namespace {

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

// One font of the game: its name and how its glyphs look.
struct GameFont {
    const char* name;
    tolvex::art::FontStyle style;
};

}  // namespace

int main(int argc, char** argv) {
    return tolvex::art::runGenerator(argc, argv, "fonts", [](const std::string& dir) {
        const GameFont fonts[] = {
            // HUD and panels: plain, legible.
            {"font", {"DejaVuSans.ttf", "DejaVuSansMono.ttf", "DejaVuSans-Bold.ttf", 10.5, 11, 1.45, false}},
            // Messages: bolder.
            {"font2", {"DejaVuSans-Bold.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSans-Bold.ttf", 10.5, 11, 1.45, false}},
            // Alarms: condensed capitals with a glow.
            {"font3", {"DejaVuSansCondensed-Bold.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansCondensed-Bold.ttf", 10.8, 11,
                       1.25, true}},
        };
        const auto metrics = tolvex::art::encodeFontMetrics();
        for (const GameFont& f : fonts) {
            const std::string name = f.name;
            tolvex::art::writePng(dir + "/" + name + ".png", tolvex::art::renderFontTexture(f.style));
            writeBytes(dir + "/" + name + ".dat", std::string(metrics.begin(), metrics.end()));
            writeBytes(dir + "/" + name + ".ini", tolvex::art::fontMetricsIni(name, name + ".png"));
        }
    });
}
