#pragma once
// A fresh game for every effects test: empty particle engine, backdrops and
// background objects, shell globals at their start values, a fixed frame length.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/Image.h"

namespace tolvex::test {

class EffectsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Sets the length of the frames that follow.
  static void SetFrame(int ms);
  // Opens an offscreen screen of this size (software renderer) and clears it to black.
  static void OpenScreen(int width, int height);
  // An image of one colour (0xAARRGGBB) with its handle at the top-left.
  static ImagePtr SolidImage(int width, int height, std::uint32_t argb);
  // The back buffer's pixel as 0xAARRGGBB.
  static std::uint32_t ScreenPixel(int x, int y);
};

}  // namespace tolvex::test
