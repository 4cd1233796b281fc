// Transient messages: timing, fading, stacking and drawing.
#include <gtest/gtest.h>

#include "ScreenFixture.h"
#include "core/Globals.h"
#include "ui/TMessage.h"

namespace tolvex {
namespace {

class MessageTest : public test::ScreenTest {
 protected:
  void SetUp() override {
    test::ScreenTest::SetUp();
    ResetShellGlobals();
    GfxHeight = 768;
    FrameClock = 1000;
    TMessage::Init();
    SetFont(font_.get());
  }
  void TearDown() override {
    MessageList.Clear();
    ResetShellGlobals();
    test::ScreenTest::TearDown();
  }

  // The alpha a message is drawn with at a clock time (checked through Draw).
  static float DrawnAlphaAt(TMessage& message, int clock) {
    FrameClock = clock;
    SetAlpha(-1.0f);
    message.Draw();
    return GetAlpha();
  }
};

TEST_F(MessageTest, AddMeasuresWithTheCurrentFontAndAppends) {
  TMessage::Add("Start Game", 5000, 2.0f, 0xF09300);
  ASSERT_EQ(MessageList.Count(), 1u);
  const auto message = MessageList.Last();
  EXPECT_EQ(message->content, "Start Game");
  EXPECT_EQ(message->height, 32);
  EXPECT_EQ(message->width, static_cast<int>(TextWidth("Start Game") * 2.0f));
  EXPECT_EQ(message->width, 2 * (10 + 10 + 10 + 10 + 10 + 8 + 10 + 10 + 13 + 10));
  EXPECT_EQ(message->duration, 6000);
  EXPECT_EQ(message->durationmax, 5000);
  EXPECT_EQ(message->color, 0xF09300);
  EXPECT_FLOAT_EQ(message->size, 2.0f);
}

TEST_F(MessageTest, FadesInOverTheFirstTenthAndOutOverTheLast) {
  TMessage::Add("Start Game", 5000, 2.0f, 0xF09300);
  TMessage& message = *MessageList.Last();
  EXPECT_NEAR(DrawnAlphaAt(message, 1000), 0.0f, 1e-5f);
  EXPECT_NEAR(DrawnAlphaAt(message, 1250), 0.5f, 1e-5f);
  EXPECT_NEAR(DrawnAlphaAt(message, 1400), 0.8f, 1e-5f);
  EXPECT_FLOAT_EQ(DrawnAlphaAt(message, 1500), 1.0f);
  EXPECT_FLOAT_EQ(DrawnAlphaAt(message, 3500), 1.0f);
  EXPECT_FLOAT_EQ(DrawnAlphaAt(message, 5500), 1.0f);
  EXPECT_NEAR(DrawnAlphaAt(message, 5750), 0.5f, 1e-5f);
  EXPECT_NEAR(DrawnAlphaAt(message, 5900), 0.2f, 1e-5f);
}

TEST_F(MessageTest, NothingIsDrawnOnceTheTimeIsUpAndTheMessageGoesAfterIt) {
  TMessage::Add("Start Game", 5000, 2.0f, 0xF09300);
  const auto message = MessageList.Last();
  FrameClock = 6000;
  MessageDrawOffset = 0.0f;
  SetAlpha(0.25f);
  message->Draw();
  EXPECT_FLOAT_EQ(GetAlpha(), 0.25f);  // not drawn
  EXPECT_FLOAT_EQ(MessageDrawOffset, 0.0f);
  TMessage::ProcessAll();
  EXPECT_EQ(MessageList.Count(), 1u);  // its end time is not yet passed
  FrameClock = 6001;
  TMessage::ProcessAll();
  EXPECT_TRUE(MessageList.Empty());
  EXPECT_FALSE(message->_link->Linked());
}

TEST_F(MessageTest, ProcessAllSumsTheHeightsOfTheLiveMessages) {
  TMessage::Add("first", 1000, 1.0f, 0xFFFFFF);
  TMessage::Add("second", 3000, 2.0f, 0xFFFFFF);
  TMessage::Add("third", 3000, 1.0f, 0xFFFFFF);
  FrameClock = 1500;
  TMessage::ProcessAll();
  EXPECT_FLOAT_EQ(MessageTotalHeight, 16.0f + 32.0f + 16.0f);
  FrameClock = 2500;
  TMessage::ProcessAll();
  EXPECT_FLOAT_EQ(MessageTotalHeight, 32.0f + 16.0f);
  ASSERT_EQ(MessageList.Count(), 2u);
  EXPECT_EQ(MessageList.First()->content, "second");
}

TEST_F(MessageTest, TwoMessagesStackAroundAThirdOfTheScreen) {
  EXPECT_FLOAT_EQ(MessageAnchorY, 256.0f);
  TMessage::Add("First", 5000, 1.875f, 0xFFFFFF);   // 16 × 1.875 = 30 high
  TMessage::Add("Second", 5000, 1.25f, 0xFFFFFF);  // 16 × 1.25 = 20 high
  const auto first = MessageList.First();
  const auto second = MessageList.Last();
  ASSERT_EQ(first->height, 30);
  ASSERT_EQ(second->height, 20);
  FrameClock = 3000;
  TMessage::ProcessAll();
  MessageDrawOffset = 0.0f;
  EXPECT_FLOAT_EQ(first->Top(), 216.0f);
  first->Draw();
  EXPECT_FLOAT_EQ(second->Top(), 251.0f);
  second->Draw();
  EXPECT_FLOAT_EQ(MessageDrawOffset, 50.0f);
}

TEST_F(MessageTest, AMessageAddedAfterProcessingIsDrawnWithoutItsOwnHeightInTheTotal) {
  TMessage::Add("First", 5000, 1.875f, 0xFFFFFF);
  FrameClock = 2000;
  TMessage::ProcessAll();
  TMessage::Add("Late", 5000, 1.25f, 0xFFFFFF);
  const auto late = MessageList.Last();
  MessageDrawOffset = 0.0f;
  MessageList.First()->Draw();
  // 256 − (30 + 20) / 2 + 30: the total still holds only the first message.
  EXPECT_FLOAT_EQ(late->Top(), 261.0f);
}

TEST_F(MessageTest, DrawAllPutsTextAndShadowAtTheLeftEdge) {
  // A grey backdrop so the black shadow shows.
  SetColor(64, 64, 64);
  DrawRect(0, 0, kWidth, kHeight);
  GfxHeight = 240;
  TMessage::Init();  // anchor 80
  TMessage::Add("MMM", 5000, 1.875f, 0xF09300);
  FrameClock = 3000;
  TMessage::ProcessAll();
  TMessage::DrawAll();
  // top = 80 − (30 + 30) / 2 = 50; text from x 10, shadow 1.875 px lower right.
  EXPECT_EQ(ScreenRGB(12, 50), 0xF09300u);
  EXPECT_EQ(ScreenRGB(12, 79), 0xF09300u);
  EXPECT_EQ(ScreenRGB(12, 49), 0x404040u);
  EXPECT_EQ(ScreenRGB(9, 60), 0x404040u);
  EXPECT_EQ(ScreenRGB(15, 80), 0u);  // the shadow below the text
  EXPECT_EQ(ScreenRGB(15, 84), 0x404040u);
  const DrawState& state = CurrentDrawState();
  EXPECT_FLOAT_EQ(state.alpha, 1.0f);
  EXPECT_FLOAT_EQ(state.scaleX, 1.0f);
  EXPECT_EQ(state.r + state.g + state.b, 3 * 255);
  EXPECT_EQ(state.blend, kBlendAlpha);
}

TEST_F(MessageTest, SetColor2IgnoresTheTopByte) {
  TMessage::SetColor2(0x7F1A2B3C);
  const DrawState& state = CurrentDrawState();
  EXPECT_EQ(state.r, 0x1A);
  EXPECT_EQ(state.g, 0x2B);
  EXPECT_EQ(state.b, 0x3C);
}

TEST_F(MessageTest, EmptyTextTakesNoHeight) {
  TMessage::Add("", 5000, 2.0f, 0xFFFFFF);
  EXPECT_EQ(MessageList.Last()->height, 0);
  EXPECT_EQ(MessageList.Last()->width, 0);
}

TEST_F(MessageTest, AMessageWithoutDisplayTimeIsNeverDrawnAndThenRemoved) {
  TMessage::Add("x", 0, 1.0f, 0xFFFFFF);
  const auto message = MessageList.Last();
  EXPECT_FLOAT_EQ(message->TimeLeft(), 0.0f);
  MessageDrawOffset = 0.0f;
  message->Draw();
  EXPECT_FLOAT_EQ(MessageDrawOffset, 0.0f);
  FrameClock = 1001;
  TMessage::ProcessAll();
  EXPECT_TRUE(MessageList.Empty());
}

TEST_F(MessageTest, InitEmptiesTheStackAndPlacesItAtAThird) {
  TMessage::Add("x", 1000, 1.0f, 0xFFFFFF);
  GfxHeight = 100;
  TMessage::Init();
  EXPECT_TRUE(MessageList.Empty());
  EXPECT_FLOAT_EQ(MessageAnchorY, 100.0f / 3.0f);
}

}  // namespace
}  // namespace tolvex
