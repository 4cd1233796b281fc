// The real program, headless, with the autopilot at the controls: a game starts in "First Stage"
// and the pilot earns its way into the next stage, seen through the state dumps.
#include <set>
#include <string>

#include "support/ProgramRunTest.h"

namespace tolvex {
namespace {

constexpr int kFrameMs = 16;
constexpr int kDumpEvery = 250;
constexpr int kFrames = 7000;  // 112 s of game time: the exits open after 89 and 90 s

class StageRun : public ProgramRunTest {
 protected:
  nlohmann::json Dump(int frame) const { return ReadJson("dump" + std::to_string(frame) + ".json"); }
};

TEST_F(StageRun, TheAutopilotFliesFromTheFirstStageIntoTheNext) {
  std::string arguments = "--headless --autopilot --start game --size 640x480 --seed 5 --frame-ms " +
                          std::to_string(kFrameMs) + " --frames " + std::to_string(kFrames);
  for (int frame = kDumpEvery; frame <= kFrames; frame += kDumpEvery)
    arguments += " --dump " + std::to_string(frame) + ":dump" + std::to_string(frame) + ".json";
  ASSERT_EQ(Run(arguments), 0);

  const auto first = Dump(kDumpEvery);
  EXPECT_EQ(first["state"], 3);
  EXPECT_EQ(first["stage"], "First Stage");
  EXPECT_EQ(first["level"]["index"], 1);
  EXPECT_EQ(first["level"]["conclude"].size(), 7u);
  EXPECT_EQ(first["level"]["age"], first["clock"].get<int>() - first["level"]["birthtime"].get<int>());

  int passedAt = 0;
  std::string next;
  for (int frame = kDumpEvery; frame <= kFrames && !passedAt; frame += kDumpEvery) {
    const auto dump = Dump(frame);
    ASSERT_EQ(dump["state"], 3) << "the autopilot's ship survived up to frame " << frame;
    if (dump["stage"] != "First Stage") {
      passedAt = frame;
      next = dump["stage"];
    }
  }
  ASSERT_NE(passedAt, 0) << "still in the first stage after " << kFrames << " frames";
  EXPECT_TRUE(next == "Second Stage" || next == "Bonus Stage 1") << next;
  EXPECT_GT(passedAt * kFrameMs, 89000) << "the exits open only after 89 s";
  const auto after = Dump(passedAt);
  EXPECT_GE(after["player"]["Kills"].get<int>(), 10);
  EXPECT_LT(after["level"]["age"].get<int>(), kDumpEvery * kFrameMs);
  EXPECT_TRUE(after["level"]["conclude"].back()["aktive"]) << "the new stage's exit is armed";
}

TEST_F(StageRun, BehindTheMainMenuTheNamelessStageKeepsTenShipsOfManyFactionsFighting) {
  ASSERT_EQ(Run("--headless --size 640x480 --seed 3 --frame-ms 16 --frames 3000 --dump 3000:dump3000.json"), 0);
  const auto dump = Dump(3000);
  EXPECT_EQ(dump["state"], 1);
  EXPECT_EQ(dump["stage"], "");
  EXPECT_EQ(dump["level"]["index"], 0);
  EXPECT_TRUE(dump["level"]["conclude"].empty());
  std::set<std::string> types;
  int ships = 0, kills = 0;
  for (const auto& object : dump["objects"]) {
    if (object["kind"] != "ship") continue;
    ++ships;
    EXPECT_EQ(object["KI"], 1);
    types.insert(object["id"].get<std::string>());
    kills += object["Kills"].get<int>();
  }
  EXPECT_EQ(ships, 10) << "the menu stage's cap";
  EXPECT_GE(types.size(), 5u);
  EXPECT_GT(kills, 0) << "with no player they fight each other";
}

}  // namespace
}  // namespace tolvex
