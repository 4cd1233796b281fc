// A frame drawn by two threads, each into its own band of the back buffer, must be the frame
// one thread draws, to the bit: whatever crosses the seam, in every blend mode, with the calls
// SDL draws whole (masks, shading, rectangles, lines) falling between the bands' own.
#include <SDL.h>

#include <algorithm>
#include <mutex>
#include <thread>
#include <tuple>
#include <vector>

#include "BackBufferTest.h"
#include "platform/DrawBands.h"
#include "platform/RendererSession.h"

namespace tolvex {
namespace {

class DrawBandsTest : public BackBufferTest {
 protected:
  void SetUp() override {
    BackBufferTest::SetUp();
    std::mt19937 random(31);
    sprite_ = CreateImageFromPixmap(Sprite(random, 23, 17));
    sprite_->SetHandle(11.5f, 8.5f);
    Pixmap tile = Sprite(random, 40, 36);
    for (int x = 0; x < 40; ++x) tile.At(x, 20) = 0xFF000000u | static_cast<std::uint32_t>(random());  // opaque row
    tile_ = CreateImageFromPixmap(std::move(tile));
    // Four glyph-like cells side by side, drawn part by part as text is.
    glyphs_ = std::make_shared<Image>(Sprite(random, 4 * 9, 12), 9, 12, 0, 4);
  }
  void TearDown() override {
    UseDrawBands(false);
    SetBandSeam(0);
    BackBufferTest::TearDown();
  }

  // One of each kind of call, many of them over the middle rows, where the seams lie.
  void Scene() {
    ResetDrawState();
    Cls();
    SetBlend(kBlendAlpha);
    SetColor(200, 230, 255);
    SetAlpha(0.8f);
    DrawTiled(tile_, -7, 13);
    SetBlend(kBlendLight);
    SetColor(255, 120, 40);
    DrawTiled(tile_, 19, -3);
    const int modes[] = {kBlendMask, kBlendSolid, kBlendAlpha, kBlendLight, kBlendShade};
    float y = 30.3f;
    for (const int mode : modes) {
      SetBlend(mode);
      SetColor(255, 200 - mode * 20, 180);
      SetAlpha(1.0f - mode * 0.1f);
      for (const float angle : {0.0f, 90.0f, 37.5f, 211.25f}) {
        SetRotation(angle);
        for (const float scale : {1.0f, 0.55f, 1.7f}) {
          SetScale(scale, scale);
          DrawImage(sprite_, 10.6f + angle / 4 + scale * 9, y);
        }
      }
      y += 8.7f;
    }
    SetRotation(0);
    SetScale(1, 1);
    SetBlend(kBlendAlpha);
    SetAlpha(1);
    SetColor(255, 255, 255);
    // Text: glyphs cut from a strip, at the game's sizes.
    for (const float size : {1.0f, 1.5f, 2.0f}) {
      SetScale(size, size);
      for (int i = 0; i < 4; ++i) {
        DrawImageRect(*glyphs_, glyphs_->FrameLeft(i), 0, 9, 12, 4, 40 + size * 5, 9.0f * size * i, 0);
      }
    }
    SetScale(1, 1);
    // A viewport across the seam, with a layer and sprites cut by it.
    SetViewport(13, 29, 50, 33);
    SetBlend(kBlendLight);
    DrawTiled(tile_, 3, 5);
    SetBlend(kBlendAlpha);
    SetRotation(123);
    DrawImage(sprite_, 60.2f, 47.9f);
    SetRotation(0);
    SetViewport(0, 0, ScreenWidth(), ScreenHeight());
    // Primitives SDL draws whole.
    SetAlpha(0.5f);
    SetColor(30, 250, 90);
    DrawRect(5.5f, 40.2f, 70, 9);
    DrawLine(2, 90, 93, 3);
    DrawOval(50, 33, 30, 25);
    Plot(48, 48);
    SetAlpha(1);
    // And sprites after them again.
    SetRotation(301);
    DrawImage(sprite_, 47, 47);
    ResetDrawState();
  }

  // The whole back buffer, alpha included, once every call has reached it.
  Pixmap Frame() {
    Scene();
    DrawKeptCalls();
    Pixmap screen(size_, size_);
    SDL_RenderReadPixels(ScreenRenderer(), nullptr, SDL_PIXELFORMAT_ARGB8888, screen.pixels.data(), size_ * 4);
    return screen;
  }

  Pixmap OneThread() {
    UseDrawBands(false);
    return Frame();
  }

  Pixmap Banded(int seam) {
    UseDrawBands(true);
    SetBandSeam(seam);
    return Frame();
  }

  ImagePtr sprite_, tile_, glyphs_;
};

TEST_F(DrawBandsTest, EverySeamGivesTheOneThreadPicture) {
  const Pixmap expected = OneThread();
  ASSERT_NE(Differing(expected, After([](SDL_Renderer*) {})), 0) << "the scene must draw";
  // The seam cuts the tiles, sprites, glyphs, the viewport and the primitives, or leaves one band empty.
  for (const int seam : {1, 29, 40, 47, 48, 53, 61, 95, 96}) {
    EXPECT_EQ(Differing(expected, Banded(seam)), 0) << "seam at row " << seam;
  }
}

TEST_F(DrawBandsTest, TheBalancedSeamGivesTheSamePictureFrameAfterFrame) {
  const Pixmap expected = OneThread();
  UseDrawBands(true);
  SetBandSeam(0);
  for (int frame = 0; frame < 6; ++frame) {
    EXPECT_EQ(Differing(expected, Frame()), 0) << "frame " << frame;
    Flip(0);
  }
}

// More scaled sizes than an image keeps in one frame: none that a kept call still needs may go.
TEST_F(DrawBandsTest, AFrameOfManyScaledSizesDrawsEachOne) {
  const auto frame = [this] {
    ResetDrawState();
    Cls();
    for (int i = 0; i < 150; ++i) {
      SetScale(0.2f + i * 0.01f, 0.2f + i * 0.01f);
      SetRotation(i * 7.0f);
      DrawImage(sprite_, static_cast<float>(i % 90), static_cast<float>(i / 2 + 10));
    }
    ResetDrawState();
    return GrabPixmap(0, 0, size_, size_).pixels;
  };
  UseDrawBands(false);
  const auto expected = frame();
  UseDrawBands(true);
  SetBandSeam(50);
  EXPECT_EQ(frame(), expected);
}

// The window's copy of the frame is made by both threads, each from its own band once that holds
// its part of the whole frame.
TEST_F(DrawBandsTest, EachThreadHandsOverItsBandOnceItHoldsTheWholeFrame) {
  const Pixmap expected = OneThread();
  UseDrawBands(true);
  SetBandSeam(40);
  Scene();
  const SDL_Surface& back = *SoftwareTarget(ScreenRenderer());
  std::mutex mutex;
  std::vector<std::tuple<int, int, std::thread::id>> handed;
  int differing = 0;
  const bool banded = DrawKeptCalls([&](int top, int bottom) {
    int wrong = 0;
    for (int y = top; y < bottom; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(back.pixels) + y * back.pitch);
      for (int x = 0; x < size_; ++x) wrong += row[x] != expected.At(x, y);
    }
    const std::lock_guard lock(mutex);
    differing += wrong;
    handed.emplace_back(top, bottom, std::this_thread::get_id());
  });
  EXPECT_TRUE(banded);
  EXPECT_EQ(differing, 0) << "a band is handed over with its last pixel drawn";
  ASSERT_EQ(handed.size(), 2u);
  std::sort(handed.begin(), handed.end(), [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });
  EXPECT_EQ(std::get<0>(handed[0]), 0);
  EXPECT_EQ(std::get<1>(handed[0]), 40);
  EXPECT_EQ(std::get<2>(handed[0]), std::this_thread::get_id()) << "the upper band is the game's";
  EXPECT_EQ(std::get<0>(handed[1]), 40);
  EXPECT_EQ(std::get<1>(handed[1]), size_);
  EXPECT_NE(std::get<2>(handed[1]), std::this_thread::get_id());
  // With nothing kept, the back buffer already holds the frame and nothing is handed over.
  int calls = 0;
  EXPECT_FALSE(DrawKeptCalls([&calls](int, int) { ++calls; }));
  EXPECT_EQ(calls, 0);
}

TEST_F(DrawBandsTest, KeptCallsWaitForTheFrameAndAreDrawnWhenItsPixelsAreWanted) {
  UseDrawBands(true);
  SetBandSeam(48);
  ResetDrawState();
  SetColor(255, 0, 0);
  DrawRect(0, 0, 96, 96);
  const std::uint64_t drawn = KeptCallsDrawn();
  // Reading the back buffer draws what was kept first.
  EXPECT_EQ(GrabPixmap(10, 70, 1, 1).pixels.at(0), 0xFFFF0000u);
  EXPECT_EQ(KeptCallsDrawn(), drawn + 1);
  // Closing the screen draws what is kept before its back buffer goes.
  DrawRect(0, 0, 96, 96);
  CloseScreen();
  EXPECT_EQ(KeptCallsDrawn(), drawn + 2);
  ASSERT_TRUE(OpenHeadlessScreen(size_, size_));
}

}  // namespace
}  // namespace tolvex
