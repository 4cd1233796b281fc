// Backdrops are filled band by band: see-through bands left out, opaque ones marked.
#include <gtest/gtest.h>

#include "platform/Image.h"

namespace tolvex {
namespace {

TEST(VisibleBands, CutEachBandToItsVisibleColumnsAndLeaveOutSeeThroughOnes) {
  Pixmap pixmap(100, 96);  // three bands of 32 rows
  for (int y = 0; y < 32; ++y) {
    for (int x = 10; x < 50; ++x) pixmap.At(x, y) = 0xFF203040u;  // opaque throughout
  }
  // The middle band stays see-through.
  pixmap.At(70, 64) = 0x01FFFFFFu;  // one faint pixel
  pixmap.At(5, 95) = 0xFF000000u;
  const ImagePtr image = CreateImageFromPixmap(std::move(pixmap));
  const auto& bands = image->VisibleBands();
  ASSERT_EQ(bands.size(), 2u);
  EXPECT_EQ(bands[0].x, 10);
  EXPECT_EQ(bands[0].y, 0);
  EXPECT_EQ(bands[0].width, 40);
  EXPECT_EQ(bands[0].height, 32);
  EXPECT_TRUE(bands[0].opaque);
  EXPECT_EQ(bands[1].x, 5);
  EXPECT_EQ(bands[1].y, 64);
  EXPECT_EQ(bands[1].width, 66);
  EXPECT_EQ(bands[1].height, 32);
  EXPECT_FALSE(bands[1].opaque) << "faint and see-through pixels inside it need blending";
}

TEST(VisibleBands, ARaggedEdgeOrAShortLastBandIsHandled) {
  Pixmap pixmap(8, 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 8; ++x) pixmap.At(x, y) = 0xFFFFFFFFu;
  }
  pixmap.At(7, 3) = 0;  // one hole on the right edge of the first band
  const ImagePtr image = CreateImageFromPixmap(std::move(pixmap));
  const auto& bands = image->VisibleBands();
  ASSERT_EQ(bands.size(), 2u);
  EXPECT_EQ(bands[0].width, 8);
  EXPECT_FALSE(bands[0].opaque);
  EXPECT_EQ(bands[1].y, 32);
  EXPECT_EQ(bands[1].height, 8);
  EXPECT_TRUE(bands[1].opaque);
  EXPECT_TRUE(CreateImageFromPixmap(Pixmap(16, 16))->VisibleBands().empty());
}

}  // namespace
}  // namespace tolvex
