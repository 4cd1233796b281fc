// The fuzz targets on their stored inputs: the seed corpus of real files, and every input a fuzzer
// once found breaking the game (kept in regressions/<target>/ once the fault was mended). Under
// the sanitizer build (make sanitize-test) a memory fault in any of them fails the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BuildPaths.h"
#include "FuzzTargets.h"

namespace tolvex::fuzz {

// Test names and failures show a target by its name.
void PrintTo(const NamedTarget& target, std::ostream* out) { *out << target.name; }

namespace {

const std::filesystem::path kInputs = TOLVEX_FUZZ_INPUTS;

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file()) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::uint8_t> Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void FeedAll(const NamedTarget& target, const std::filesystem::path& folder) {
  for (const auto& file : FilesIn(folder)) {
    SCOPED_TRACE(file.string());
    const std::vector<std::uint8_t> bytes = Bytes(file);
    EXPECT_NO_THROW(target.run(bytes.data(), bytes.size()));
  }
}

class StoredInputs : public ::testing::TestWithParam<NamedTarget> {};

TEST_P(StoredInputs, SeedsKeepEveryPromise) {
  const auto folder = kInputs / "corpus" / GetParam().name;
  ASSERT_FALSE(FilesIn(folder).empty()) << "every target starts from real files in " << folder;
  FeedAll(GetParam(), folder);
}

TEST_P(StoredInputs, InputsThatOnceBrokeTheGameNoLongerDo) { FeedAll(GetParam(), kInputs / "regressions" / GetParam().name); }

TEST_P(StoredInputs, AnEmptyFileIsAnInputToo) {
  const std::uint8_t none = 0;
  EXPECT_NO_THROW(GetParam().run(&none, 0));
}

INSTANTIATE_TEST_SUITE_P(Fuzz, StoredInputs, ::testing::ValuesIn(AllTargets().begin(), AllTargets().end()),
                         [](const auto& info) { return std::string(info.param.name); });

// Each corpus folder makes a fuzzer program (fuzz/CMakeLists.txt); each must name a target.
TEST(FuzzCorpora, EveryFolderBelongsToATarget) {
  for (const auto& entry : std::filesystem::directory_iterator(kInputs / "corpus")) {
    const std::string name = entry.path().filename().string();
    const auto targets = AllTargets();
    EXPECT_TRUE(std::any_of(targets.begin(), targets.end(), [&](const NamedTarget& t) { return t.name == name; }))
        << name;
  }
}

}  // namespace
}  // namespace tolvex::fuzz
