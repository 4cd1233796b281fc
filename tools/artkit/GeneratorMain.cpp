#include "GeneratorMain.h"

#include <cstdio>
#include <exception>

namespace tolvex::art {

int runGenerator(int argc, char** argv, const char* what, const std::function<void(const std::string&)>& draw) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        draw(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", what, e.what());
        return 1;
    }
    return 0;
}

}  // namespace tolvex::art
