// The live messages in the state dump.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "ui/MessageDump.h"
#include "ui/TMessage.h"

namespace tolvex {
namespace {

TEST(MessageDump, ListsTheLiveMessagesInOrder) {
  ResetShellGlobals();
  GfxHeight = 768;
  TMessage::Init();
  TMessage::Add("Start Game", 5000, 2.0f, 0xF09300);
  TMessage::Add("Gr\xFC\xDF" "e", 1000, 1.0f, 0x12345678);
  nlohmann::json dump;
  DumpMessages(dump);
  ASSERT_EQ(dump["messages"].size(), 2u);
  EXPECT_EQ(dump["messages"][0]["content"], "Start Game");
  EXPECT_EQ(dump["messages"][0]["durationmax"], 5000);
  EXPECT_EQ(dump["messages"][0]["size"], 2.0);
  EXPECT_EQ(dump["messages"][0]["color"], 15766272);
  EXPECT_EQ(dump["messages"][1]["content"], "Gr\xC3\xBC\xC3\x9F" "e");
  EXPECT_NO_THROW(static_cast<void>(dump.dump()));
  MessageList.Clear();
  DumpMessages(dump);
  EXPECT_TRUE(dump["messages"].empty());
  ResetShellGlobals();
}

TEST(MessageDump, LatinOneBecomesUtf8) {
  EXPECT_EQ(Latin1ToUtf8("abc"), "abc");
  EXPECT_EQ(Latin1ToUtf8("\xE4\xFF\xA9"), "\xC3\xA4\xC3\xBF\xC2\xA9");
  EXPECT_EQ(Latin1ToUtf8(""), "");
}

}  // namespace
}  // namespace tolvex
