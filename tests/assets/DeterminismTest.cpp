// Running a generator again gives byte-identical files, so every build embeds the same artwork.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "AssetFiles.h"

namespace tolvex::test {
namespace {

namespace fs = std::filesystem;

// Runs `generator` into a fresh folder and compares every file it writes with the build's copy.
void expectSameFilesAsTheBuild(const std::string& generator, const std::string& label) {
    // One folder per process: other build trees may run the same check at the same time.
    const fs::path dir = fs::temp_directory_path() / ("tolvex_rerun_" + label + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_EQ(std::system((generator + " " + dir.string()).c_str()), 0) << generator;
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(fileBytes(entry.path().string()) == fileBytes(gfxPath(name))) << name << " changed between runs";
        ++compared;
    }
    EXPECT_GT(compared, 0);
    fs::remove_all(dir);
}

TEST(Determinism, ParticleArtworkIsTheSameOnEveryRun) { expectSameFilesAsTheBuild(TOLVEX_PARTICLEGEN, "particles"); }

TEST(Determinism, FontsAreTheSameOnEveryRun) { expectSameFilesAsTheBuild(TOLVEX_FONTGEN, "fonts"); }

TEST(Determinism, InterfaceArtworkIsTheSameOnEveryRun) { expectSameFilesAsTheBuild(TOLVEX_UIGEN, "ui"); }

TEST(Determinism, PlanetsAreTheSameOnEveryRun) { expectSameFilesAsTheBuild(TOLVEX_PLANETGEN, "planets"); }

}  // namespace
}  // namespace tolvex::test
