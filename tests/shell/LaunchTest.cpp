// The command line and the input script: good input parsed, bad input refused with a reason.
#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/Keys.h"
#include "shell/InputScript.h"
#include "shell/LaunchOptions.h"

namespace tolvex {
namespace {

TEST(LaunchOptions, ParsesEveryOption) {
  const auto parsed = ParseLaunchOptions({"--headless", "--size", "800x600", "--frames", "120", "--frame-ms", "16",
                                          "--seed", "1", "--start", "game", "--input", "in.txt", "--screenshot",
                                          "60:a.png", "--dump", "120:b.json", "--screenshot", "90:c.png"});
  ASSERT_EQ(parsed.error, "");
  const auto& o = parsed.options;
  EXPECT_TRUE(o.headless);
  EXPECT_EQ(o.width, 800);
  EXPECT_EQ(o.height, 600);
  EXPECT_EQ(o.frames, 120);
  EXPECT_EQ(o.frameMs, 16);
  EXPECT_EQ(o.seed, 1u);
  EXPECT_EQ(o.start, kStateGame);
  EXPECT_EQ(o.inputScript, "in.txt");
  ASSERT_EQ(o.screenshots.size(), 2u);
  EXPECT_EQ(o.screenshots[1].frame, 90);
  EXPECT_EQ(o.screenshots[1].path, "c.png");
  ASSERT_EQ(o.dumps.size(), 1u);
  EXPECT_EQ(o.dumps[0].path, "b.json");
}

TEST(LaunchOptions, RefusesBadInputWithTheReason) {
  const std::vector<std::vector<std::string>> bad = {
      {"--fly"}, {"--frames"}, {"--frames", "ten"}, {"--frames", "-3"}, {"--size", "800"}, {"--size", "0x600"},
      {"--start", "pause"}, {"--screenshot", "60"}, {"--dump", "x:file"}, {"--frame-ms", "0"}, {"--seed", "1.5"}};
  for (const auto& args : bad) {
    const auto parsed = ParseLaunchOptions(args);
    EXPECT_NE(parsed.error, "") << args[0];
    EXPECT_NE(parsed.error.find(args[0]), std::string::npos) << parsed.error;
  }
}

TEST(LaunchOptions, OnlyAWindowOnTheRealClockIsCappedAtTheRefreshRateUnlessTheCapIsLifted) {
  EXPECT_TRUE(ParseLaunchOptions({}).options.CapsFrameRate());
  EXPECT_TRUE(ParseLaunchOptions({"--start", "game"}).options.CapsFrameRate());
  EXPECT_FALSE(ParseLaunchOptions({"--frame-ms", "16"}).options.CapsFrameRate()) << "stepped runs go flat out";
  EXPECT_FALSE(ParseLaunchOptions({"--headless"}).options.CapsFrameRate());
  EXPECT_FALSE(ParseLaunchOptions({"--replay", "r.txt"}).options.CapsFrameRate()) << "a replay paces itself";
  const auto uncapped = ParseLaunchOptions({"--uncapped", "--start", "game"});
  EXPECT_EQ(uncapped.error, "");
  EXPECT_FALSE(uncapped.options.CapsFrameRate());
  EXPECT_NE(LaunchUsage().find("--uncapped"), std::string::npos) << "--help tells of it";
}

TEST(InputScript, ParsesEveryEventType) {
  const auto parsed = ParseInputScript(
      "# warm-up\n3 key 87 down\n\n3 mouse 100 200.5\n5 button 1 up\r\n7 text hello world\n"
      "8 pad axis lefty -32768\n8 pad axis righttrigger 32767\n9 pad button rightshoulder down\n9 focus lost\n");
  ASSERT_EQ(parsed.error, "");
  ASSERT_EQ(parsed.events.size(), 8u);
  EXPECT_EQ(parsed.events[0].code, 87);
  EXPECT_TRUE(parsed.events[0].down);
  EXPECT_FLOAT_EQ(parsed.events[1].y, 200.5f);
  EXPECT_FALSE(parsed.events[2].down);
  EXPECT_EQ(parsed.events[3].text, "hello world");
  EXPECT_EQ(parsed.events[4].type, InputEvent::Type::PadAxis);
  EXPECT_EQ(parsed.events[4].code, static_cast<int>(PadAxis::LeftY));
  EXPECT_EQ(parsed.events[4].value, -32768);
  EXPECT_EQ(parsed.events[5].code, static_cast<int>(PadAxis::RightTrigger));
  EXPECT_EQ(parsed.events[5].value, 32767);
  EXPECT_EQ(parsed.events[6].type, InputEvent::Type::PadButton);
  EXPECT_EQ(parsed.events[6].code, static_cast<int>(PadButton::RightShoulder));
  EXPECT_TRUE(parsed.events[6].down);
  EXPECT_EQ(parsed.events[7].type, InputEvent::Type::FocusLost);
}

TEST(InputScript, NamesTheBadLine) {
  for (const char* bad : {"1 key 87 sideways", "x key 87 down", "2 button 4 down", "2 mouse 10", "2 jump",
                          "2 key 87 down extra", "2 key 300 down", "2 text", "2 pad axis lefty 32768",
                          "2 pad axis lefty -32769", "2 pad axis lefty 1.5", "2 pad axis leftz 0", "2 pad axis lefty",
                          "2 pad button guide down", "2 pad button A down", "2 pad button a pressed",
                          "2 pad button a down now", "2 pad stick lefty 0", "2 pad", "2 focus", "2 focus gained"}) {
    const auto parsed = ParseInputScript(std::string("1 key 87 down\n") + bad + "\n");
    EXPECT_NE(parsed.error.find("line 2"), std::string::npos) << bad << ": " << parsed.error;
  }
}

TEST(InputScript, EventsArriveBeforeTheirFrameInOrder) {
  ResetInput();
  InputScriptPlayer player(ParseInputScript("2 key 65 down\n1 mouse 5 6\n2 key 65 up\n4 key 66 down\n").events);
  player.BeforeFrame(1);
  EXPECT_EQ(PointerX(), 5);
  EXPECT_FALSE(KeyHeld(65));
  player.BeforeFrame(2);
  EXPECT_EQ(KeyPressed(65), 1);
  EXPECT_FALSE(KeyHeld(65));
  player.BeforeFrame(3);
  EXPECT_FALSE(KeyHeld(66));
  player.BeforeFrame(4);
  EXPECT_TRUE(KeyHeld(66));
}

}  // namespace
}  // namespace tolvex
