// --stats: the real program prints one block of frame statistics when it ends.
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "support/ProgramRunTest.h"

namespace tolvex {
namespace {

class FrameStatsRunTest : public ProgramRunTest {
 protected:
  std::string OutputText() const {
    std::ifstream in(folder / "out.txt");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The number after `label` in the output, or -1.
  double NumberAfter(const std::string& text, const std::string& label) const {
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(label + " ([0-9.]+)"))) return -1;
    return std::stod(match[1]);
  }
};

TEST_F(FrameStatsRunTest, AHeadlessFightPrintsOneBlockWithEveryFigure) {
  ::setenv("TOLVEX_SPAWN", "j_bat,kr_shark,j_bat", 1);
  const int status = Run("--headless --size 640x480 --frames 90 --frame-ms 16 --seed 2 --start game --stats");
  ::unsetenv("TOLVEX_SPAWN");
  ASSERT_EQ(status, 0) << ErrorText();
  const std::string text = OutputText();
  EXPECT_NE(text.find("frame statistics: 90 frames at 640x480, renderer software (headless)"), std::string::npos)
      << text;
  const double p50 = NumberAfter(text, "p50"), p95 = NumberAfter(text, "p95"), p99 = NumberAfter(text, "p99");
  const double slowest = NumberAfter(text, "max");
  EXPECT_GT(p50, 0);
  EXPECT_LE(p50, p95);
  EXPECT_LE(p95, p99);
  EXPECT_LE(p99, slowest);
  for (const char* phase : {"input", "world step", "stages", "layer 0", "world drawn", "particles", "HUD and menus",
                            "present"}) {
    EXPECT_GE(NumberAfter(text, phase), 0) << phase;
  }
  EXPECT_GT(NumberAfter(text, "per frame:"), 10) << "draw calls";
  EXPECT_GE(NumberAfter(text, "peak:"), 4) << "the player and three enemies at least";
  EXPECT_GT(NumberAfter(text, "peak resident memory:"), 1);
}

TEST_F(FrameStatsRunTest, NothingIsPrintedWithoutIt) {
  ASSERT_EQ(Run("--headless --size 640x480 --frames 5 --frame-ms 16 --seed 2"), 0) << ErrorText();
  EXPECT_EQ(OutputText().find("frame statistics"), std::string::npos);
}

}  // namespace
}  // namespace tolvex
