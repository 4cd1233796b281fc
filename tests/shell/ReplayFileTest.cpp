// The replay file: what the recorder writes reads back exactly, and a damaged file is refused
// with the line that is wrong.
#include <gtest/gtest.h>

#include "shell/ReplayFile.h"

namespace tolvex {
namespace {

ReplayHeader TwoGames() {
  ReplayHeader header;
  header.seed = 4000000000u;
  header.width = 800, header.height = 600;
  header.start = kStateGame;
  header.cameraDelay = 2;
  header.online = true;
  header.player = "Ace of 100%";
  header.startClock = 1234;
  header.environment = {{"TOLVEX_SPAWN", "j_bat, kr_shark"}};
  header.games = {{1, 200, 150, 3}, {390, 600, 1200, 17}};
  return header;
}

std::string TwoGamesText() {
  std::string body;
  AppendReplayEvent(body, 0, InputEvent::OfMouse(640, 360));
  AppendReplayEvent(body, 0, InputEvent::OfKey(87, true));
  AppendReplayStep(body, 1, 16);
  AppendReplayEvent(body, 2, InputEvent::OfMouse(0.1f, 1e-7f));
  AppendReplayEvent(body, 2, InputEvent::OfButton(3, false));
  AppendReplayStep(body, 5, 0);
  AppendReplayEvent(body, 9, InputEvent::OfText("Ace 100% \xC3\xA4\b\r\n"));
  AppendReplayStep(body, 10, 60000);
  AppendReplayEvent(body, 11, InputEvent::OfPadAxis(PadAxis::RightTrigger, -32768));
  AppendReplayEvent(body, 11, InputEvent::OfPadButton(PadButton::DpadLeft, true));
  AppendReplayEvent(body, 12, InputEvent::OfFocusLost());
  return ReplayHeaderText(TwoGames()) + body;
}

TEST(ReplayFile, WhatIsWrittenReadsBackExactly) {
  const ParsedReplay parsed = ParseReplay(TwoGamesText());
  ASSERT_EQ(parsed.error, "");
  const Replay& replay = parsed.replay;
  EXPECT_EQ(replay.header.seed, 4000000000u);
  EXPECT_EQ(replay.header.width, 800);
  EXPECT_EQ(replay.header.height, 600);
  EXPECT_EQ(replay.header.start, kStateGame);
  EXPECT_EQ(replay.header.cameraDelay, 2);
  EXPECT_TRUE(replay.header.online);
  EXPECT_EQ(replay.header.player, "Ace of 100%") << "the pilot's name, blanks and % included";
  EXPECT_EQ(replay.header.startClock, 1234);
  ASSERT_EQ(replay.header.environment.size(), 1u);
  EXPECT_EQ(replay.header.environment[0].second, "j_bat, kr_shark");
  ASSERT_EQ(replay.header.games.size(), 2u);
  EXPECT_EQ(replay.header.games[1].startFrame, 390);
  EXPECT_EQ(replay.header.games[1].points, 1200);
  EXPECT_EQ(replay.header.games[1].kills, 17);
  EXPECT_EQ(replay.frames, 600) << "the session ends with its last game";

  ASSERT_EQ(replay.steps.size(), 3u);
  EXPECT_EQ(replay.steps[1].frame, 5);
  EXPECT_EQ(replay.steps[1].stepMs, 0);
  ASSERT_EQ(replay.events.size(), 8u);
  EXPECT_EQ(replay.events[1].type, InputEvent::Type::Key);
  EXPECT_TRUE(replay.events[1].down);
  EXPECT_EQ(replay.events[2].x, 0.1f) << "pointer positions come back to the last bit";
  EXPECT_EQ(replay.events[2].y, 1e-7f);
  EXPECT_EQ(replay.events[3].code, 3);
  EXPECT_FALSE(replay.events[3].down);
  EXPECT_EQ(replay.events[4].frame, 9);
  EXPECT_EQ(replay.events[4].text, "Ace 100% \xC3\xA4\b\r\n") << "blanks, %, control characters and UTF-8 survive";
  EXPECT_EQ(replay.events[5].type, InputEvent::Type::PadAxis);
  EXPECT_EQ(replay.events[5].code, static_cast<int>(PadAxis::RightTrigger));
  EXPECT_EQ(replay.events[5].value, -32768);
  EXPECT_EQ(replay.events[6].type, InputEvent::Type::PadButton);
  EXPECT_EQ(replay.events[6].code, static_cast<int>(PadButton::DpadLeft));
  EXPECT_TRUE(replay.events[6].down);
  EXPECT_EQ(replay.events[7].type, InputEvent::Type::FocusLost);
  EXPECT_EQ(replay.events[7].frame, 12);
}

TEST(ReplayFile, PadEventsAreWrittenAsInputScriptsWriteThem) {
  std::string body;
  AppendReplayEvent(body, 3, InputEvent::OfPadAxis(PadAxis::LeftY, -32000));
  AppendReplayEvent(body, 4, InputEvent::OfPadButton(PadButton::Start, false));
  AppendReplayEvent(body, 5, InputEvent::OfFocusLost());
  EXPECT_EQ(body, "3 pad axis lefty -32000\n4 pad button start up\n5 focus lost\n");
}

TEST(ReplayFile, TypedTextStaysOnOneLine) {
  std::string body;
  AppendReplayEvent(body, 3, InputEvent::OfText("a b\nc"));
  EXPECT_EQ(body, "3 text a%20b%0Ac\n");
}

TEST(ReplayFile, CommentsBlankLinesAndWindowsLineEndsAreRead) {
  std::string text = TwoGamesText();
  text.insert(text.find("seed"), "\r\n# a note\n   \n");
  EXPECT_EQ(ParseReplay(text).error, "");
}

// The text with one line replaced; the error names the line.
std::string Broken(const std::string& from, const std::string& to) {
  std::string text = TwoGamesText();
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(ReplayFile, DamagedFilesAreRefusedWithTheLineThatIsWrong) {
  EXPECT_NE(ParseReplay("").error, "");
  EXPECT_NE(ParseReplay("seed 1\n").error.find("line 1"), std::string::npos) << "the first line says what the file is";
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"seed 4000000000", "seed 4294967296"},
           {"seed 4000000000", "seed -1"},
           {"size 800x600", "size 800x20"},
           {"start game", "start pause"},
           {"camera-delay 2", "camera-delay 3"},
           {"online 1", "online 2"},
           {"player Ace%20of%20100%25", "player Ace of"},
           {"player Ace%20of%20100%25", "player %2"},
           {"clock 1234", "clock -5"},
           {"env TOLVEX_SPAWN", "env LD_PRELOAD"},
           {"game 390 600", "game 390 300"},
           {"game 390 600", "game 100 600"},
           {"2 mouse", "2 mouse inf"},
           {"2 button 3 up", "2 button 4 up"},
           {"2 button 3 up", "1 button 3 up"},
           {"9 text", "9 text %4"},
           {"10 step 60000", "10 step 60001"},
           {"5 step 0", "5 step"},
           {"5 step 0", "5 jump"},
           {"frames 600", "frames 600 600"},
           {"11 pad axis righttrigger -32768", "11 pad axis righttrigger -32769"},
           {"11 pad axis righttrigger -32768", "11 pad axis trigger 0"},
           {"11 pad axis righttrigger -32768", "11 pad axis righttrigger"},
           {"11 pad button dpleft down", "11 pad button dpleft"},
           {"11 pad button dpleft down", "11 pad button paddle1 down"},
           {"11 pad button dpleft down", "11 pad button dpleft down 1"},
           {"12 focus lost", "12 focus"},
           {"12 focus lost", "12 focus found"},
       }) {
    const std::string error = ParseReplay(Broken(from, to)).error;
    EXPECT_NE(error.find("is not understood: " + to), std::string::npos) << to << ": " << error;
  }
}

TEST(ReplayFile, AFileWithoutThePilotsNameIsPlayedUnderThePlayersOwn) {
  const ParsedReplay parsed = ParseReplay(Broken("player Ace%20of%20100%25", "# no name"));
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.replay.header.player, "");
}

TEST(ReplayFile, ASessionMustEndWithItsLastGameAndKeepItsClockCountable) {
  EXPECT_NE(ParseReplay(Broken("frames 600", "frames 601")).error, "");
  EXPECT_NE(ParseReplay(Broken("frames 600", "# no end")).error, "");
  EXPECT_NE(ParseReplay(TwoGamesText() + "601 key 27 down\n").error, "") << "nothing comes after the end";

  ReplayHeader header = TwoGames();
  header.games = {{1, 35000, 10, 1}};
  std::string steps;
  AppendReplayStep(steps, 1, 60000);
  // 35000 minutes, and the 1234 ms the clock had at the start, still fit the clock's count ...
  EXPECT_EQ(ParseReplay(ReplayHeaderText(header) + steps).error, "");
  // ... 36000 minutes do not.
  header.games = {{1, 36000, 10, 1}};
  EXPECT_NE(ParseReplay(ReplayHeaderText(header) + steps).error, "");
}

}  // namespace
}  // namespace tolvex
