// Seeded fights played with and without the shots' broad phase must come out the same,
// byte for byte: it only saves work, it never changes which ship or rocket a shot hits.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/ProgramRunTest.h"

namespace tolvex {
namespace {

class BroadPhaseTest : public ProgramRunTest {
 protected:
  void TearDown() override {
    ::unsetenv("TOLVEX_BROAD_PHASE");
    ::unsetenv("TOLVEX_SPAWN");
    ProgramRunTest::TearDown();
  }

  // Plays one seeded run and leaves its dumps under the given name.
  void Play(const std::string& arguments, const char* broadPhase, const std::string& name) {
    ::setenv("TOLVEX_BROAD_PHASE", broadPhase, 1);
    std::string dumps;
    for (const int frame : kFrames) dumps += " --dump " + std::to_string(frame) + ":" + name + std::to_string(frame) + ".json";
    ASSERT_EQ(Run("--headless --frame-ms 16 --frames 601 " + arguments + dumps), 0) << ErrorText();
  }

  std::string Bytes(const std::string& file) const {
    std::ifstream in(folder / file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Plays the run both ways and compares every dump; returns the last dump.
  nlohmann::json ExpectTheSameRun(const std::string& arguments) {
    Play(arguments, "on", "with");
    Play(arguments, "off", "without");
    for (const int frame : kFrames) {
      const std::string with = Bytes("with" + std::to_string(frame) + ".json");
      EXPECT_FALSE(with.empty());
      EXPECT_TRUE(with == Bytes("without" + std::to_string(frame) + ".json")) << arguments << ", frame " << frame;
    }
    return ReadJson("with600.json");
  }

  static constexpr int kFrames[] = {200, 400, 600};
};

// How much damage the ships of a dump have taken between them: shots did land.
double DamageTaken(const nlohmann::json& dump) {
  double damage = 0;
  for (const auto& object : dump["objects"]) {
    if (object["kind"] == "ship") damage += object["HP_max"].get<double>() - object["HP"].get<double>();
  }
  return damage;
}

TEST_F(BroadPhaseTest, ACrowdedFightComesOutTheSameWithAndWithoutIt) {
  ::setenv("TOLVEX_SPAWN", "j_bat,kr_shark,j_bat,kr_shark,j_bat,kr_shark,j_bat,kr_shark,j_bat,kr_shark,j_bat,kr_shark", 1);
  const auto last = ExpectTheSameRun("--seed 5 --start game --autopilot");
  EXPECT_GT(DamageTaken(last), 100.0) << "the fight should have landed hits";
}

TEST_F(BroadPhaseTest, ASeededGameComesOutTheSameWithAndWithoutIt) {
  ExpectTheSameRun("--seed 7 --start game --autopilot");
}

}  // namespace
}  // namespace tolvex
