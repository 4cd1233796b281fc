// Writes a contact sheet of every PNG and JPEG image in a folder.
// Usage: tolvex_contactsheet <image folder> <output.png> [zoom] [name filter]
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "ArtKit.h"
#include "ContactSheet.h"

namespace fs = std::filesystem;

namespace {

bool isImage(const fs::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".png" || ext == ".jpg";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <image folder> <output.png> [zoom] [name filter]\n", argv[0]);
        return 2;
    }
    try {
        const double zoom = argc > 3 ? std::stod(argv[3]) : 1.0;
        const std::string filter = argc > 4 ? argv[4] : "";
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(argv[1]))
            if (isImage(entry.path()) && entry.path().filename().string().find(filter) != std::string::npos)
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        std::vector<tolvex::art::SheetEntry> entries;
        for (const fs::path& f : files) entries.push_back({f.filename().string(), tolvex::art::readImage(f.string())});
        tolvex::art::writePng(argv[2], tolvex::art::makeContactSheet(entries, 2400, 600, zoom));
        std::printf("%zu images on %s\n", entries.size(), argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "contact sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
