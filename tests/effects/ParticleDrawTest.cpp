// Drawing particles: culling at the screen edge, gradients, rotation, handles.
#include <gtest/gtest.h>

#include "EffectsTestEnv.h"
#include "effects/ParticleEngine.h"
#include "effects/TParticle.h"
#include "effects/TParticleInfo.h"
#include "platform/DrawBands.h"
#include "platform/Graphics.h"

namespace tolvex::test {
namespace {

// Every drawing test runs with sprites copied one by one and drawn as batched geometry.
class ParticleDrawTest : public EffectsTest, public ::testing::WithParamInterface<ParticleBatch::Mode> {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    Particles().batch.SetMode(GetParam());
    OpenScreen(100, 80);
    SetParticleScreen(100, 80);
    SetParticleDrawing(true);
    info = TParticleInfo::Create("dot", 100000, 100000, 0, 0, 0, 0, 0, false);
  }

  // Gives the effect a sprite with a centred handle, as loading a sprite does.
  void Sprite(int w, int h, std::uint32_t argb, int blend) {
    info->Image = SolidImage(w, h, argb);
    CentreHandle(info->Image);
    info->ImageRadius = 5;
    info->BlendMode = static_cast<std::uint8_t>(blend);
  }

  // A second effect: a small square sprite of one colour.
  static TParticleInfoPtr SquareEffect(const char* id, std::uint32_t argb, int blend) {
    const auto effect = TParticleInfo::Create(id, 100000, 100000, 0, 0, 0, 0, 0, false);
    effect->Image = SolidImage(4, 4, argb);
    CentreHandle(effect->Image);
    effect->ImageRadius = 3;
    effect->BlendMode = static_cast<std::uint8_t>(blend);
    return effect;
  }

  TParticleInfoPtr info;
};

TEST_P(ParticleDrawTest, ParticleTouchingTheEdgeIsDrawn) {
  Sprite(4, 4, 0xFFFFFFFF, 3);
  info->CreateParticle(-5, 40, 0, nullptr);      // sx + R = 0
  info->CreateParticle(-5.01f, 40, 0, nullptr);  // just outside
  info->CreateParticle(105, 40, 0, nullptr);     // sx − R = W
  info->CreateParticle(50, 85.01f, 0, nullptr);  // below
  UpdateParticles();
  EXPECT_EQ(Particles().drawn, 2);
}

TEST_P(ParticleDrawTest, CullingUsesTheCamera) {
  Sprite(4, 4, 0xFFFFFFFF, 3);
  SetParticleCamera(1000, 0);
  info->CreateParticle(1050, 40, 0, nullptr);
  info->CreateParticle(50, 40, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(Particles().drawn, 1);
  EXPECT_EQ(ScreenPixel(50, 40) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_P(ParticleDrawTest, WithoutGradientDrawnWhiteAndOpaque) {
  Sprite(4, 4, 0xFFFFFFFF, 3);
  info->CreateParticle(50, 40, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(ScreenPixel(50, 40) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(55, 40) & 0xFFFFFF, 0u);
}

TEST_P(ParticleDrawTest, GradientColumnFollowsTheLifeFraction) {
  Sprite(4, 4, 0xFFFFFFFF, 3);
  info->LiveTime = {32, 32};
  info->Gradient = std::make_shared<Pixmap>(256, 1);
  info->Gradient->At(128, 0) = 0xFFFF0000;  // t = 0.5: ceil(127.5) = 128
  info->Gradient->At(255, 0) = 0xFF0000FF;  // t = 1
  info->CreateParticle(50, 40, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(ScreenPixel(50, 40) & 0xFFFFFF, 0xFF0000u);
  Cls();
  UpdateParticles();
  EXPECT_EQ(ScreenPixel(50, 40) & 0xFFFFFF, 0x0000FFu);
}

TEST_P(ParticleDrawTest, GradientAlphaFadesTheSprite) {
  Sprite(4, 4, 0xFFFFFFFF, 3);
  info->Gradient = std::make_shared<Pixmap>(256, 1);
  for (auto& pixel : info->Gradient->pixels) pixel = 0x80FFFFFF;
  info->CreateParticle(50, 40, 0, nullptr);
  UpdateParticles();
  const std::uint32_t red = (ScreenPixel(50, 40) >> 16) & 255;
  EXPECT_NEAR(static_cast<int>(red), 128, 2);
}

TEST_P(ParticleDrawTest, LightBlendAddsUp) {
  Sprite(4, 4, 0xFF404040, 4);
  info->CreateParticle(50, 40, 0, nullptr);
  info->CreateParticle(50, 40, 0, nullptr);
  UpdateParticles();
  EXPECT_NEAR(static_cast<int>(ScreenPixel(50, 40) & 255), 0x80, 2);
}

TEST_P(ParticleDrawTest, RotationTurnsClockwiseAboutTheHandle) {
  info->Image = SolidImage(2, 20, 0xFFFFFFFF);
  info->Image->SetHandle(1, 0);  // hangs down from the position
  info->ImageRadius = 10;
  info->BlendMode = 3;
  info->CreateParticle(50, 40, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(ScreenPixel(50, 55) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(50, 30) & 0xFFFFFF, 0u);
  Cls();
  Particles().particles->First()->Direction = 90;  // hangs to the left now
  UpdateParticles();
  EXPECT_EQ(ScreenPixel(35, 40) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(ScreenPixel(50, 55) & 0xFFFFFF, 0u);
}

TEST_P(ParticleDrawTest, LaterParticlesAreDrawnOnTop) {
  Sprite(4, 4, 0xFFFF0000, 3);
  const auto green = SquareEffect("green", 0xFF00FF00, kBlendAlpha);
  info->CreateParticle(50, 40, 0, nullptr);
  green->CreateParticle(50, 40, 0, nullptr);
  info->CreateParticle(60, 40, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(ScreenPixel(50, 40) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(ScreenPixel(60, 40) & 0xFFFFFF, 0xFF0000u);
}

// Sprites the back buffer takes directly wait for the end of the walk; a masked one, drawn
// through SDL, must still land after those before it and under those after it.
TEST_P(ParticleDrawTest, MaskedParticlesKeepTheirPlaceInTheOrder) {
  Sprite(4, 4, 0xFFFF0000, kBlendAlpha);
  const auto mask = SquareEffect("mask", 0xFF00FF00, kBlendMask);
  const auto blue = SquareEffect("blue", 0xFF0000FF, kBlendAlpha);
  info->CreateParticle(50, 40, 0, nullptr);
  mask->CreateParticle(50, 40, 0, nullptr);
  mask->CreateParticle(60, 40, 0, nullptr);
  blue->CreateParticle(60, 40, 0, nullptr);
  UpdateParticles();
  EXPECT_EQ(ScreenPixel(50, 40) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(ScreenPixel(60, 40) & 0xFFFFFF, 0x0000FFu);
}

TEST_P(ParticleDrawTest, UpdateLeavesTheDrawingStateReset) {
  Sprite(4, 4, 0xFFFFFFFF, 4);
  info->CreateParticle(50, 40, 0, nullptr);
  SetRotation(33);
  SetScale(2, 2);
  SetColor(1, 2, 3);
  UpdateParticles();
  const DrawState& s = CurrentDrawState();
  EXPECT_EQ(s.rotation, 0);
  EXPECT_EQ(s.scaleX, 1);
  EXPECT_EQ(s.blend, kBlendAlpha);
  EXPECT_EQ(s.alpha, 1);
  EXPECT_EQ(s.r + s.g + s.b, 3 * 255);
}

// Two threads, each drawing a band of the back buffer, draw the particles one thread draws, in
// every blend mode and across the seam.
TEST_P(ParticleDrawTest, BandsDrawWhatOneThreadDraws) {
  const int modes[] = {kBlendMask, kBlendSolid, kBlendAlpha, kBlendLight, kBlendShade};
  std::uint32_t colour = 0x80FF8040;
  for (const int mode : modes) {
    const auto effect = SquareEffect(std::to_string(mode).c_str(), colour, mode);
    effect->Image = SolidImage(7, 5, colour);
    CentreHandle(effect->Image);
    effect->ImageRadius = 5;
    for (int i = 0; i < 12; ++i) effect->CreateParticle(8.3f * i + mode, 33.7f + mode + i % 3, 29.0f * i, nullptr);
    colour = colour * 2654435761u | 0x20000000u;
  }
  const auto frame = [] {
    Cls();
    UpdateParticles();
    return GrabPixmap(0, 0, 100, 80).pixels;
  };
  const auto oneThread = frame();
  UseDrawBands(true);
  for (const int seam : {34, 37, 40}) {
    SetBandSeam(seam);
    EXPECT_EQ(frame(), oneThread) << "seam at row " << seam;
  }
  UseDrawBands(false);
  SetBandSeam(0);
}

TEST_P(ParticleDrawTest, EffectWithoutImageMovesButIsNeverDrawn) {
  info->MoveSpeed = {100, 100};
  const auto p = info->CreateParticle(50, 40, 90, nullptr);
  UpdateParticles();
  EXPECT_EQ(Particles().drawn, 0);
  EXPECT_GT(p->Pos[0], 50);
}

INSTANTIATE_TEST_SUITE_P(BothWays, ParticleDrawTest,
                         ::testing::Values(ParticleBatch::Mode::Copies, ParticleBatch::Mode::Geometry),
                         [](const auto& info) {
                           return info.param == ParticleBatch::Mode::Copies ? std::string("Copies")
                                                                            : std::string("Geometry");
                         });

}  // namespace
}  // namespace tolvex::test
