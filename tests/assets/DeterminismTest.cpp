// Running a generator again gives byte-identical files, so every build embeds the same artwork.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "BuildPaths.h"
#include "AssetFiles.h"

namespace tolvex::test {
namespace {

namespace fs = std::filesystem;

// Runs `generator` into a fresh folder of its own; the folder's path.
fs::path runInto(const std::string& generator, const std::string& label) {
    // One folder per process: other build trees may run the same check at the same time.
    const fs::path dir = fs::temp_directory_path() / ("tolvex_rerun_" + label + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    EXPECT_EQ(std::system((generator + " " + dir.string()).c_str()), 0) << generator;
    return dir;
}

// Runs `generator` twice and compares every file of the two runs; each is one the build holds too.
// (The runs are compared with each other, not with the build's files: a sanitizer build takes
// those from a build made by another compiler.)
void expectSameFilesOnEveryRun(const std::string& generator, const std::string& label) {
    const fs::path first = runInto(generator, label + "_1");
    const fs::path second = runInto(generator, label + "_2");
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(first)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(fileBytes(entry.path().string()) == fileBytes((second / name).string())) << name << " changed between runs";
        EXPECT_TRUE(fs::exists(fs::path(TOLVEX_GFX_DIR) / name)) << name << " is not in the build";
        ++compared;
    }
    EXPECT_GT(compared, 0);
    fs::remove_all(first);
    fs::remove_all(second);
}

TEST(Determinism, ParticleArtworkIsTheSameOnEveryRun) { expectSameFilesOnEveryRun(TOLVEX_PARTICLEGEN, "particles"); }

TEST(Determinism, FontsAreTheSameOnEveryRun) { expectSameFilesOnEveryRun(TOLVEX_FONTGEN, "fonts"); }

TEST(Determinism, InterfaceArtworkIsTheSameOnEveryRun) { expectSameFilesOnEveryRun(TOLVEX_UIGEN, "ui"); }

TEST(Determinism, PlanetsAreTheSameOnEveryRun) { expectSameFilesOnEveryRun(TOLVEX_PLANETGEN, "planets"); }

}  // namespace
}  // namespace tolvex::test
