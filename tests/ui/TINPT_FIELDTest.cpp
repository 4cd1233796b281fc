// The text input field: focus, editing keys, the character filter, the
// visible tail of long text and drawing.
#include <gtest/gtest.h>

#include <vector>

#include "ScreenFixture.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "ui/TINPT_FIELD.h"

namespace tolvex {
namespace {

class InputFieldTest : public test::ScreenTest {
 protected:
  void SetUp() override {
    test::ScreenTest::SetUp();
    ResetInput();
    TINPT_FIELD::DieAll();
    SetFont(font_.get());
  }
  void TearDown() override {
    TINPT_FIELD::DieAll();
    ResetInput();
    test::ScreenTest::TearDown();
  }

  // One frame with typed text and no click.
  static int TypeFrame(std::string_view text) {
    FeedText(text);
    return TINPT_FIELD::UPDATE(0, 0, false);
  }
  // One frame with a key pressed and no click.
  static int KeyFrame(int key) {
    FeedKey(key, true);
    FeedKey(key, false);
    return TINPT_FIELD::UPDATE(0, 0, false);
  }
  // An active field holding text with the caret at its end.
  static TINPT_FIELDPtr ActiveField(std::string text, int filter = 0) {
    auto field = TINPT_FIELD::create(10, 10, 200, 40, "Name", filter);
    field->options(std::move(text), true, 3);
    return field;
  }
};

TEST_F(InputFieldTest, CreateForgetsPendingPressesAndUsesTheDefaults) {
  FeedKey(KEY_DELETE, true);
  FeedText("x");
  const auto field = TINPT_FIELD::create(5, 6, 70, 30, "Width", 5);
  EXPECT_EQ(KeyPressed(KEY_DELETE), 0);
  EXPECT_EQ(NextTypedChar(), 0);
  EXPECT_EQ(std::tuple(field->bordercolor, field->bgcolor, field->bgcolor2, field->textcolor, field->alpha),
            std::tuple(0xF4CF00, 0x540200, 0x7C1400, 0xFFF773, 1.0f));
  EXPECT_EQ(field->aktive, 0);
  EXPECT_EQ(field->GetName(), "Width");
  EXPECT_EQ(field->signallowed, 5);
  EXPECT_EQ(InputFieldList().Count(), 1u);
}

TEST_F(InputFieldTest, ColorAndOptionsSetTheirFields) {
  const auto field = TINPT_FIELD::create(5, 6, 70, 30, "Width", 0);
  field->color(0x010203, 0x040506, 0x070809, 0x0A0B0C, 0.5f);
  EXPECT_EQ(std::tuple(field->bordercolor, field->bgcolor, field->bgcolor2, field->textcolor, field->alpha),
            std::tuple(0x010203, 0x040506, 0x070809, 0x0A0B0C, 0.5f));
  field->options("1024", false, 3);
  EXPECT_EQ(field->GetInput(), "1024");
  EXPECT_EQ(field->option, 3);
  EXPECT_EQ(field->aktive, 0);
  field->options("800", true, 1);
  EXPECT_EQ(field->aktive, 1);
  EXPECT_EQ(field->cursorposition, 3);
}

TEST_F(InputFieldTest, FilterFiveAdmitsOnlyDigits) {
  const auto field = ActiveField("12", 5);
  for (const char* rejected : {"a", "Z", "-", " ", "\xE4"}) {
    TypeFrame(rejected);
    EXPECT_EQ(field->GetInput(), "12") << rejected;
  }
  TypeFrame("7");
  EXPECT_EQ(field->GetInput(), "127");
  EXPECT_EQ(field->cursorposition, 3);
}

TEST_F(InputFieldTest, EachFilterBitRejectsItsKind) {
  TINPT_FIELD field;
  EXPECT_TRUE(field.Admits('a') && field.Admits('5') && field.Admits('#') && field.Admits(0xDF));
  field.signallowed = TINPT_FIELD::kRejectLetters;
  EXPECT_FALSE(field.Admits('a'));
  EXPECT_FALSE(field.Admits('Q'));
  EXPECT_TRUE(field.Admits('5'));
  EXPECT_TRUE(field.Admits(' '));
  field.signallowed = TINPT_FIELD::kRejectDigits;
  EXPECT_FALSE(field.Admits('0'));
  EXPECT_FALSE(field.Admits('9'));
  EXPECT_TRUE(field.Admits('x'));
  field.signallowed = TINPT_FIELD::kRejectOthers;
  EXPECT_FALSE(field.Admits(' '));
  EXPECT_FALSE(field.Admits(0xDF));  // ß is no letter A–Z
  EXPECT_TRUE(field.Admits('x'));
  EXPECT_TRUE(field.Admits('3'));
}

TEST_F(InputFieldTest, TypingInsertsAtTheCaretAndLatinOneIsKept) {
  const auto field = ActiveField("ac");
  KeyFrame(KEY_LEFT);
  TypeFrame("b");
  EXPECT_EQ(field->GetInput(), "abc");
  EXPECT_EQ(field->cursorposition, 2);
  KeyFrame(KEY_END);
  TypeFrame("\xC3\xA4");  // ä typed as UTF-8 arrives as Latin-1 228
  EXPECT_EQ(field->GetInput(), "abc\xE4");
  TypeFrame("\xE2\x82\xAC");  // € is outside Latin-1 and is dropped
  EXPECT_EQ(field->GetInput(), "abc\xE4");
}

TEST_F(InputFieldTest, OneCharacterIsTakenPerFrame) {
  const auto field = ActiveField("");
  FeedText("xyz");
  TINPT_FIELD::UPDATE(0, 0, false);
  EXPECT_EQ(field->GetInput(), "x");
  TINPT_FIELD::UPDATE(0, 0, false);
  TINPT_FIELD::UPDATE(0, 0, false);
  EXPECT_EQ(field->GetInput(), "xyz");
}

TEST_F(InputFieldTest, EditingKeysWorkAtTheCaretAndStopAtTheEnds) {
  // Each case starts from "abc" with the caret at its end.
  struct Case {
    std::vector<int> keys;
    const char* text;
    int caret;
  };
  const Case cases[] = {
      {{KEY_HOME, KEY_BACKSPACE}, "abc", 0}, {{KEY_LEFT, KEY_BACKSPACE}, "ac", 1},
      {{KEY_DELETE}, "abc", 3},              {{KEY_HOME, KEY_DELETE}, "bc", 0},
      {{KEY_RIGHT}, "abc", 3},               {{KEY_LEFT, KEY_LEFT, KEY_LEFT, KEY_LEFT}, "abc", 0},
      {{KEY_HOME, KEY_RIGHT}, "abc", 1},     {{KEY_HOME, KEY_END}, "abc", 3},
  };
  for (const Case& c : cases) {
    const auto field = ActiveField("abc");
    for (const int key : c.keys) KeyFrame(key);
    EXPECT_EQ(field->GetInput(), c.text) << c.keys.size() << " keys ending " << c.keys.back();
    EXPECT_EQ(field->cursorposition, c.caret) << c.keys.size() << " keys ending " << c.keys.back();
    field->Die();
  }
}

TEST_F(InputFieldTest, TheBackspaceAndEnterKeysReachTheFieldAsTypedCharacters) {
  const auto field = ActiveField("abc");
  EXPECT_EQ(KeyFrame(KEY_BACKSPACE), 1);
  EXPECT_EQ(field->GetInput(), "ab");
  EXPECT_EQ(KeyFrame(KEY_ENTER), 0);
  EXPECT_EQ(field->aktive, 0);
}

TEST_F(InputFieldTest, EnterEndsTheEditAndForgetsPendingPresses) {
  const auto field = ActiveField("800");
  FeedKey(KEY_ENTER, true);
  FeedKey(KEY_ESCAPE, true);
  EXPECT_EQ(TypeFrame("\rx"), 0);
  EXPECT_EQ(field->aktive, 0);
  EXPECT_EQ(field->GetInput(), "800");
  // The same Enter cannot confirm anything else, nor does the queued "x" arrive later.
  EXPECT_EQ(KeyPressed(KEY_ENTER), 0);
  EXPECT_EQ(KeyPressed(KEY_ESCAPE), 0);
  EXPECT_EQ(NextTypedChar(), 0);
}

TEST_F(InputFieldTest, AClickInsideAnInactiveFieldTakesTheFocus) {
  const auto first = TINPT_FIELD::create(10, 10, 100, 30, "A", 0);
  const auto second = TINPT_FIELD::create(10, 50, 100, 30, "B", 0);
  first->options("one", true, 2);
  second->options("second", false, 2);
  // The first field was still active when it was processed, so this frame counts both.
  EXPECT_EQ(TINPT_FIELD::UPDATE(50, 60, true), 2);
  EXPECT_EQ(first->aktive, 0);
  EXPECT_EQ(second->aktive, 1);
  EXPECT_EQ(second->cursorposition, 6);
  EXPECT_EQ(TINPT_FIELD::UPDATE(0, 0, false), 1);
}

TEST_F(InputFieldTest, AClickOutsideEveryFieldLeavesTheActiveOneActive) {
  const auto first = TINPT_FIELD::create(10, 10, 100, 30, "A", 0);
  const auto second = TINPT_FIELD::create(10, 50, 100, 30, "B", 0);
  first->SetAktive();
  EXPECT_EQ(TINPT_FIELD::UPDATE(300, 200, true), 1);
  EXPECT_EQ(first->aktive, 1);
  EXPECT_EQ(second->aktive, 0);
}

TEST_F(InputFieldTest, TheBoxEdgeAndAMereHoverDoNotFocus) {
  const auto field = TINPT_FIELD::create(10, 10, 100, 30, "A", 0);
  EXPECT_EQ(TINPT_FIELD::UPDATE(10, 20, true), 0);   // on the left edge
  EXPECT_EQ(TINPT_FIELD::UPDATE(60, 40, true), 0);   // on the bottom edge
  EXPECT_EQ(TINPT_FIELD::UPDATE(60, 20, false), 0);  // inside, no click
  EXPECT_EQ(TINPT_FIELD::UPDATE(11, 11, true), 1);
}

TEST_F(InputFieldTest, ALongTextShowsItsEnd) {
  const auto field = TINPT_FIELD::create(10, 10, 60, 40, "Name", 0);
  field->options("abcdefghij", true, 2);  // 100 px in a box with 52 px of room
  EXPECT_EQ(field->VisibleText(), "fghij");
  TypeFrame("k");
  EXPECT_EQ(field->VisibleText(), "ghijk");
  field->options("abc", false, 2);
  EXPECT_EQ(field->VisibleText(), "abc");
}

TEST_F(InputFieldTest, AVeryNarrowBoxShowsNothingRatherThanFailing) {
  const auto field = TINPT_FIELD::create(10, 10, 4, 40, "Name", 0);
  field->options("abc", true, 2);
  EXPECT_EQ(field->VisibleText(), "");
}

TEST_F(InputFieldTest, DieTakesTheFieldOutOfTheList) {
  const auto first = TINPT_FIELD::create(10, 10, 100, 30, "A", 0);
  const auto second = TINPT_FIELD::create(10, 50, 100, 30, "B", 0);
  EXPECT_EQ(first->Die(), nullptr);
  ASSERT_EQ(InputFieldList().Count(), 1u);
  EXPECT_EQ(InputFieldList().First(), second);
}

TEST_F(InputFieldTest, DrawsBoxLabelTextAndCaret) {
  SetBlend(kBlendAlpha);
  const auto field = TINPT_FIELD::create(20, 20, 200, 40, "A", 0);
  field->options("i", true, 2);
  TINPT_FIELD::UPDATE(0, 0, false);
  EXPECT_EQ(ScreenRGB(20, 20), 0xF4CF00u);      // border
  EXPECT_EQ(ScreenRGB(100, 21), 0x7C1400u);     // active inner colour
  EXPECT_EQ(ScreenRGB(23, 23), 0xFFF773u);      // the label "A" at (22, 22)
  EXPECT_EQ(ScreenRGB(23, 39), 0xFFF773u);      // the text "i" one label line lower, at (22, 38)
  EXPECT_EQ(ScreenRGB(26, 39), 0xFFF773u);      // the caret after it, 2 px wide at x 25
  EXPECT_EQ(ScreenRGB(28, 39), 0x7C1400u);
  field->aktive = 0;
  TINPT_FIELD::UPDATE(0, 0, false);
  EXPECT_EQ(ScreenRGB(100, 21), 0x540200u);     // inactive inner colour
  EXPECT_EQ(ScreenRGB(26, 39), 0x540200u);      // no caret
}

TEST_F(InputFieldTest, CentredTextSitsInTheMiddleOfTheBox) {
  SetBlend(kBlendAlpha);
  const auto field = TINPT_FIELD::create(20, 20, 200, 40, "A", 0);
  field->options("MM", false, 3);  // 26 px wide: offset 2 + 100 − 13 = 89
  TINPT_FIELD::UPDATE(0, 0, false);
  EXPECT_EQ(ScreenRGB(109, 40), 0xFFF773u);
  EXPECT_EQ(ScreenRGB(108, 40), 0x540200u);
  EXPECT_EQ(ScreenRGB(134, 40), 0xFFF773u);
  EXPECT_EQ(ScreenRGB(135, 40), 0x540200u);
}

}  // namespace
}  // namespace tolvex
