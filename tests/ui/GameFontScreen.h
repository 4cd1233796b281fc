#pragma once
// A test with an offscreen software-rendered screen and the game's own three fonts loaded.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "platform/Graphics.h"
#include "ui/GameFonts.h"
#include "ui/TINPT_FIELD.h"
#include "ui/TMessage.h"

namespace tolvex::test {

class GameFontScreen : public ::testing::Test {
 protected:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 360;

  void SetUp() override {
    ASSERT_TRUE(OpenHeadlessScreen(kWidth, kHeight));
    ResetDrawState();
    ResetShellGlobals();
    GfxWidth = kWidth;
    GfxHeight = kHeight;
    LoadGameFonts();
    ASSERT_TRUE(GameFont && GameFont2 && GameFont3);
  }
  void TearDown() override {
    MessageList.Clear();
    TINPT_FIELD::DieAll();
    ResetGameFonts();
    ResetShellGlobals();
    ResetDrawState();
    CloseScreen();
  }
};

}  // namespace tolvex::test
