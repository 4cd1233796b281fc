// A scripted fight in the real program, headless: the screenshot shows the HUD the dump describes.
#include <cstdlib>
#include <fstream>

#include "platform/Image.h"
#include "support/ProgramRunTest.h"
#include "world/HudImages.h"

namespace tolvex {
namespace {

class HudRunTest : public ProgramRunTest {
 protected:
  void SetUp() override {
    ProgramRunTest::SetUp();
    ::setenv("TOLVEX_SPAWN", "j_bat,j_bat,kr_shark", 1);
    LoadHudImages();
  }
  void TearDown() override {
    ::unsetenv("TOLVEX_SPAWN");
    ResetHudImages();
    ProgramRunTest::TearDown();
  }
};

int Red(std::uint32_t p) { return static_cast<int>(p >> 16 & 255); }

// Of the pixels that glow in the gauge's filled frame, the share that is bright on screen below
// the fill level and above it.
struct GaugeLight {
  float below = 0, above = 0;
};
GaugeLight MeasureGauge(const Pixmap& screen, const Image& strip, int filledFrame, int x0, float f) {
  const int top = screen.height - kGaugeHeight, level = static_cast<int>(screen.height - kGaugeHeight * f);
  int below = 0, brightBelow = 0, above = 0, brightAbove = 0;
  for (int v = 0; v < kGaugeHeight; ++v)
    for (int u = 0; u < kGaugeWidth; ++u) {
      const std::uint32_t texel = strip.Pixel(filledFrame, u, v);
      if ((texel >> 24) < 200 || Red(texel) < 150) continue;
      const bool bright = Red(screen.At(x0 + u, top + v)) > 100;
      if (top + v >= level) ++below, brightBelow += bright;
      else ++above, brightAbove += bright;
    }
  return {below ? static_cast<float>(brightBelow) / below : 1.0f, above ? static_cast<float>(brightAbove) / above : 0.0f};
}

TEST_F(HudRunTest, MidFightScreenshotShowsGaugesAndTextsWhereTheDumpSays) {
  std::ofstream(folder / "input.txt") << "1 mouse 900 250\n2 key 87 down\n40 key 87 up\n";
  ASSERT_EQ(Run("--headless --seed 3 --frame-ms 16 --start game --frames 200 --input input.txt "
                "--screenshot 200:shot.png --dump 200:state.json"),
            0)
      << ErrorText();
  const auto dump = ReadJson("state.json");
  const auto& hud = dump["hud"];
  const auto& player = dump["player"];
  ASSERT_TRUE(hud.is_object());
  // 16 is the starting ship's top speed.
  const float speed = hud["speedGauge"], hp = hud["hpGauge"];
  EXPECT_NEAR(speed, player["Speed"].get<float>() / 16, 1e-4);
  EXPECT_NEAR(hp, player["HP"].get<float>() / player["HP_max"].get<float>(), 1e-4);
  ASSERT_GT(speed, 0.2f);
  ASSERT_LT(speed, 0.9f);
  ASSERT_GT(hp, 0.2f);
  ASSERT_LT(hp, 0.9f);

  const auto screen = LoadPixmap((folder / "shot.png").string());
  ASSERT_TRUE(screen);
  const GaugeLight speedLight = MeasureGauge(*screen, *HudImages.speedGauge, 1, 640 - 147, speed);
  const GaugeLight hpLight = MeasureGauge(*screen, *HudImages.hpGauge, 0, 640 + 50, hp);
  EXPECT_GT(speedLight.below, 0.98f);
  EXPECT_LT(speedLight.above, 0.15f);
  EXPECT_GT(hpLight.below, 0.98f);
  EXPECT_LT(hpLight.above, 0.15f);

  // The left column, in order, each line drawn in its own colour where the dump puts it.
  const auto& texts = hud["texts"];
  const std::vector<std::pair<std::string, float>> column = {
      {"First Stage", 20}, {"Kills: ", 50}, {"Points: ", 65}, {"RakAutoSelect: On", 80}, {"Target <+", 660}};
  for (const auto& [prefix, y] : column) {
    const std::string& wanted = prefix;  // lambdas cannot capture bindings in clang 14
    const auto line = std::find_if(texts.begin(), texts.end(), [&](const nlohmann::json& t) {
      return t["text"].get<std::string>().rfind(wanted, 0) == 0;
    });
    ASSERT_NE(line, texts.end()) << prefix;
    EXPECT_EQ((*line)["x"], 10.0);
    EXPECT_EQ((*line)["y"], y);
    const int color = (*line)["color"], length = static_cast<int>((*line)["text"].get<std::string>().size());
    int matching = 0;
    for (int py = static_cast<int>(y); py < y + 16; ++py)
      for (int px = 10; px < 10 + 8 * length; ++px) {
        const std::uint32_t p = screen->At(px, py);
        int diff = 0;
        for (int shift : {0, 8, 16}) diff += std::abs(static_cast<int>((p >> shift & 255) - (color >> shift & 255)));
        matching += diff < 40;
      }
    EXPECT_GT(matching, 10) << prefix;
  }
}

}  // namespace
}  // namespace tolvex
