// Backdrops: fades, activation, scrolling, parallax, culling and tinting of layers.
#include <gtest/gtest.h>

#include "EffectsTestEnv.h"
#include "core/Globals.h"
#include "effects/TAmbient.h"
#include "platform/Graphics.h"

namespace tolvex::test {
namespace {

class AmbientTest : public EffectsTest {};

TEST_F(AmbientTest, NewAmbientIsInactiveAndHidden) {
  const auto a = TAmbient::Create();
  EXPECT_FALSE(a->Active);
  EXPECT_EQ(a->Viewpower, 0);
  EXPECT_TRUE(a->Layers.Empty());
  EXPECT_TRUE(TAmbient::ActiveList().Empty());
}

TEST_F(AmbientTest, FadeInRaisesViewpowerOverItsTime) {
  SetFrame(100);
  const auto a = TAmbient::Create();
  a->FadeInOut(1, 400);
  EXPECT_TRUE(a->Active);
  TAmbient::Update();
  EXPECT_FLOAT_EQ(a->Viewpower, 0.25f);
  for (int i = 0; i < 3; ++i) TAmbient::Update();
  EXPECT_FLOAT_EQ(a->Viewpower, 1);
  EXPECT_EQ(a->FadeInOrOut, 0);
}

TEST_F(AmbientTest, ZeroLengthFadesEndAtOnce) {
  const auto a = TAmbient::Create();
  a->FadeInOut(1, 0);
  TAmbient::Update();
  EXPECT_EQ(a->Viewpower, 1);
  EXPECT_EQ(a->FadeInOrOut, 0);
  a->FadeInOut(2, 0);
  TAmbient::Update();
  EXPECT_EQ(a->Viewpower, 0);
  EXPECT_FALSE(a->Active);
  EXPECT_TRUE(TAmbient::ActiveList().Empty());
}

TEST_F(AmbientTest, FadeOutLowersViewpowerThenLeaves) {
  SetFrame(100);
  const auto a = TAmbient::Create();
  a->FadeInOut(1, 0);
  TAmbient::Update();
  a->FadeInOut(2, 200);
  TAmbient::Update();
  EXPECT_FLOAT_EQ(a->Viewpower, 0.5f);
  EXPECT_TRUE(a->Active);
  TAmbient::Update();
  EXPECT_FALSE(a->Active);
  EXPECT_TRUE(TAmbient::ActiveList().Empty());
}

TEST_F(AmbientTest, FadingBackInWhileFadingOutKeepsOneEntry) {
  SetFrame(100);
  const auto a = TAmbient::Create();
  const auto layer = a->AddLayer(nullptr, 0xFFFFFF, 1, 3, 2, 1, 0, 0, false, 30, 0);
  a->FadeInOut(1, 0);
  TAmbient::Update();
  a->FadeInOut(2, 3000);
  TAmbient::Update();
  a->FadeInOut(1, 3000);  // back before the fade-out ended
  EXPECT_EQ(TAmbient::ActiveList().Count(), 1u);
  TAmbient::Update();
  EXPECT_EQ(a->Fadetime, 2900) << "processed once per frame";
  EXPECT_FLOAT_EQ(layer->Pos[0], 9) << "scrolled once per frame";
  a->FadeInOut(2, 0);
  TAmbient::Update();
  EXPECT_TRUE(TAmbient::ActiveList().Empty()) << "and it can leave again";
  EXPECT_FALSE(a->Active);
}

TEST_F(AmbientTest, FadingInAgainIsDrawnOnce) {
  OpenScreen(40, 30);
  const auto a = TAmbient::Create();
  a->AddLayer(SolidImage(8, 8, 0xFF404040), 0xFFFFFF, 1, 4, 0, 1, 0, 0, false, 0, 0);
  a->FadeInOut(1, 0);
  a->FadeInOut(1, 0);
  TAmbient::Update();
  TAmbient::DrawLayers(0);
  EXPECT_NEAR(static_cast<int>(ScreenPixel(20, 15) & 255), 0x40, 2);
}

TEST_F(AmbientTest, CrossFadeScrollsLayersTwicePerFrame) {
  SetFrame(100);
  const auto a = TAmbient::Create();
  const auto b = TAmbient::Create();
  const auto layer = a->AddLayer(nullptr, 0xFFFFFF, 1, 3, 2, 1, 0, 0, false, 30, -30);
  a->FadeInOut(1, 0);
  TAmbient::Update();
  EXPECT_FLOAT_EQ(layer->Pos[0], 3);
  b->FadeInOut(1, 3000);
  a->FadeInOut(2, 3000);
  for (int i = 0; i < 10; ++i) TAmbient::Update();
  EXPECT_NEAR(layer->Pos[0], 63, 1e-3);  // 60 pixels in one second of cross-fade
  EXPECT_NEAR(layer->Pos[1], -63, 1e-3);
}

TEST_F(AmbientTest, LayerImageRadiusIsTheFullDiagonal) {
  const auto a = TAmbient::Create();
  const auto layer = a->AddLayer(SolidImage(30, 40, 0xFFFFFFFF), 0xFFFFFF, 1, 3, 0, 1, 0, 0, true, 0, 0);
  EXPECT_FLOAT_EQ(layer->ImageRadius, 50);
  EXPECT_EQ(a->Layers.Count(), 1u);
}

TEST_F(AmbientTest, UntiledLayerOffScreenIsSkipped) {
  OpenScreen(40, 30);
  const auto a = TAmbient::Create();
  // 30 × 40 image: diagonal 50. Left of the screen by more than that: not drawn at all.
  a->AddLayer(SolidImage(30, 40, 0xFFFFFFFF), 0x00FF00, 0.25f, 4, 0, 1, -50.5f, 0, true, 0, 0);
  a->FadeInOut(1, 0);
  TAmbient::Update();
  SetAlpha(0.75f);
  TAmbient::DrawLayers(0);
  EXPECT_EQ(CurrentDrawState().alpha, 0.75f);
  a->Layers.First()->Pos[0] = -50;  // x + radius = 0: drawn
  TAmbient::DrawLayers(0);
  EXPECT_EQ(CurrentDrawState().alpha, 0.25f);
  EXPECT_EQ(CurrentDrawState().blend, kBlendLight);
}

TEST_F(AmbientTest, UntiledLayerMovesWithOneZthOfTheCamera) {
  OpenScreen(40, 30);
  CameraX = 100;
  CameraY = 40;
  const auto a = TAmbient::Create();
  a->AddLayer(SolidImage(4, 4, 0xFFFFFFFF), 0xFFFFFF, 1, 3, 1, 2, 60, 30, true, 0, 0);
  a->FadeInOut(1, 0);
  TAmbient::Update();
  TAmbient::DrawLayers(0);  // another pass: nothing
  EXPECT_EQ(ScreenPixel(11, 11) & 0xFFFFFF, 0u);
  TAmbient::DrawLayers(1);
  EXPECT_EQ(ScreenPixel(11, 11) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(9, 11) & 0xFFFFFF, 0u);
}

TEST_F(AmbientTest, TiledLayerCoversTheScreenTintedAndFaded) {
  OpenScreen(40, 30);
  SetFrame(100);
  const auto a = TAmbient::Create();
  a->AddLayer(SolidImage(8, 8, 0xFFFFFFFF), 0x00FF00, 1, 3, 0, 1000, 3, 5, false, 0, 0);
  a->FadeInOut(1, 200);
  TAmbient::Update();  // viewpower 0.5
  TAmbient::DrawLayers(0);
  for (const auto& [x, y] : {std::pair{0, 0}, {39, 29}, {20, 15}}) {
    const std::uint32_t pixel = ScreenPixel(x, y);
    EXPECT_EQ((pixel >> 16) & 255, 0u);
    EXPECT_NEAR(static_cast<int>((pixel >> 8) & 255), 128, 2);
  }
}

TEST_F(AmbientTest, OpaqueLayerCoversWhatIsBelowAndLeavesAlphaBlending) {
  OpenScreen(40, 30);
  const auto a = TAmbient::Create();
  a->AddLayer(SolidImage(8, 8, 0xFF204060), 0x808080, 1, 3, 0, 1, 0, 0, false, 0, 0);
  a->FadeInOut(1, 0);
  TAmbient::Update();
  SetColor(255, 255, 255);
  DrawRect(0, 0, 40, 30);
  TAmbient::DrawLayers(0);
  EXPECT_EQ(CurrentDrawState().blend, kBlendAlpha);
  const std::uint32_t pixel = ScreenPixel(20, 15);
  EXPECT_NEAR(static_cast<int>((pixel >> 16) & 255), 0x10, 1);
  EXPECT_NEAR(static_cast<int>((pixel >> 8) & 255), 0x20, 1);
  EXPECT_NEAR(static_cast<int>(pixel & 255), 0x30, 1);
}

TEST_F(AmbientTest, HalfFadedOpaqueLayerStillBlends) {
  OpenScreen(40, 30);
  SetFrame(100);
  const auto a = TAmbient::Create();
  a->AddLayer(SolidImage(8, 8, 0xFF000000), 0xFFFFFF, 1, 3, 0, 1, 0, 0, false, 0, 0);
  a->FadeInOut(1, 200);
  TAmbient::Update();  // viewpower 0.5
  SetColor(255, 255, 255);
  DrawRect(0, 0, 40, 30);
  TAmbient::DrawLayers(0);
  EXPECT_NEAR(static_cast<int>(ScreenPixel(20, 15) & 255), 128, 2);
}

TEST_F(AmbientTest, TilesAtFractionalPlacesLeaveNoSeams) {
  OpenScreen(40, 30);
  CameraX = 0.4f;
  const auto a = TAmbient::Create();
  a->AddLayer(SolidImage(7, 7, 0xFF404040), 0xFFFFFF, 1, 4, 0, 1, 0.7f, 0.3f, false, 0, 0);
  a->FadeInOut(1, 0);
  TAmbient::Update();
  TAmbient::DrawLayers(0);
  for (int x = 0; x < 40; ++x) EXPECT_EQ(ScreenPixel(x, 15) & 255, 0x40u) << x;
}

TEST_F(AmbientTest, InactiveAmbientIsNotDrawn) {
  OpenScreen(40, 30);
  const auto a = TAmbient::Create();
  a->AddLayer(SolidImage(8, 8, 0xFFFFFFFF), 0xFFFFFF, 1, 3, 0, 1, 0, 0, false, 0, 0);
  a->Viewpower = 1;
  TAmbient::DrawLayers(0);
  EXPECT_EQ(ScreenPixel(20, 15) & 0xFFFFFF, 0u);
}

// The frame skips clearing the screen only under a backdrop that paints every pixel opaque.
TEST_F(AmbientTest, OnlyAFullyVisibleOpaqueTiledFirstPassLayerCoversTheScreen) {
  OpenScreen(40, 30);
  SetFrame(100);
  const auto shown = [](ImagePtr image, float alpha, std::uint8_t level, bool notTiled) {
    TAmbient::ResetActiveList();
    const auto a = TAmbient::Create();
    a->AddLayer(std::move(image), 0x808080, alpha, 3, level, 1, 0, 0, notTiled, 0, 0);
    a->FadeInOut(1, 0);
    TAmbient::Update();
    return a;
  };
  shown(SolidImage(8, 8, 0xFF204060), 1, 0, false);
  EXPECT_TRUE(TAmbient::BackdropCoversScreen()) << "opaque, tiled, fully visible: tinting keeps it opaque";
  shown(SolidImage(8, 8, 0xFF204060), 0.5f, 0, false);
  EXPECT_FALSE(TAmbient::BackdropCoversScreen()) << "a see-through layer shows what lies beneath";
  shown(SolidImage(8, 8, 0xFF204060), 1, 0, true);
  EXPECT_FALSE(TAmbient::BackdropCoversScreen()) << "a single copy covers only its own place";
  shown(SolidImage(8, 8, 0xFF204060), 1, 1, false);
  EXPECT_FALSE(TAmbient::BackdropCoversScreen()) << "drawn after the wreckage, not beneath it";
  shown(SolidImage(8, 8, 0xFE204060), 1, 0, false);
  EXPECT_FALSE(TAmbient::BackdropCoversScreen()) << "one pixel short of opaque is blended";
  shown(SolidImage(0, 0, 0xFF204060), 1, 0, false);
  EXPECT_FALSE(TAmbient::BackdropCoversScreen()) << "an empty image paints nothing";

  const auto fading = shown(SolidImage(8, 8, 0xFF204060), 1, 0, false);
  fading->FadeInOut(2, 200);
  TAmbient::Update();
  EXPECT_FALSE(TAmbient::BackdropCoversScreen()) << "half faded out";
  fading->Active = false;
  fading->Viewpower = 1;
  EXPECT_FALSE(TAmbient::BackdropCoversScreen()) << "an inactive ambient is not drawn";

  shown(SolidImage(8, 8, 0xFF204060), 1, 0, false);
  SetViewport(0, 0, 20, 30);
  EXPECT_FALSE(TAmbient::BackdropCoversScreen()) << "tiles fill only the viewport";
  SetViewport(0, 0, 40, 30);
  EXPECT_TRUE(TAmbient::BackdropCoversScreen());
}

TEST_F(AmbientTest, ACoveringLayerLeavesNothingOfTheLastFrameBehind) {
  OpenScreen(40, 30);
  const auto a = TAmbient::Create();
  a->AddLayer(SolidImage(8, 8, 0x80FFFFFF), 0xFFFFFF, 1, 4, 0, 1, 0, 0, false, 0, 0);
  a->AddLayer(SolidImage(7, 5, 0xFF204060), 0xFFFFFF, 1, 3, 0, 1, 0.5f, 0.5f, false, 0, 0);
  a->FadeInOut(1, 0);
  TAmbient::Update();
  ASSERT_TRUE(TAmbient::BackdropCoversScreen()) << "a later layer of the pass covers what the first drew";
  SetColor(255, 0, 0);
  DrawRect(0, 0, 40, 30);  // the last frame's picture
  TAmbient::DrawLayers(0);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) ASSERT_EQ(ScreenPixel(x, y), 0xFF204060u) << x << "," << y;
  }
}

}  // namespace
}  // namespace tolvex::test
