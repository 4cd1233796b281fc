// Turned copies written straight into the software back buffer must look exactly as SDL's own turned copy.
#include "BackBufferTest.h"
#include "platform/SpriteSpans.h"
#include "platform/TurnedCopy.h"

namespace tolvex {
namespace {

// A turned copy: where its unturned rectangle lies, and how it is turned.
struct Placement {
  float x = 0, y = 0;
  double angle = 0;
  SDL_FPoint centre{};
};

class TurnedCopyTest : public BackBufferTest {
 protected:
  // The screen after frame `frame` of image is drawn turned, by SDL or by the turned-copy writer.
  Pixmap Draw(const Image& image, int frame, const Placement& at, const TextureLook& look, bool ours) {
    return After([&](SDL_Renderer* renderer) {
      SDL_Texture* texture = image.Texture(renderer);
      const SDL_Rect source{image.FrameLeft(frame), image.FrameTop(frame), image.Width(), image.Height()};
      const SDL_FRect target{at.x, at.y, static_cast<float>(image.Width()), static_cast<float>(image.Height())};
      if (!ours) {
        RenderCopyEx(renderer, texture, look, source, target, at.angle, at.centre, SDL_FLIP_NONE);
        return;
      }
      const Pixmap& strip = image.Strip();
      // Frame 0 is drawn as the game draws it, with its visible box.
      const SDL_Rect visible = frame == 0 ? image.Spans().VisibleBox() : SDL_Rect{};
      const PixelRect picture{strip.pixels.data() + source.y * strip.width + source.x, strip.width, source.w, source.h,
                              visible};
      EXPECT_TRUE(RenderTurned(renderer, texture, look, picture, target, at.angle, at.centre));
    });
  }

  void ExpectSameAsSdl(const Image& image, int frame, const Placement& at, const TextureLook& look) {
    const Pixmap expected = Draw(image, frame, at, look, false);
    EXPECT_EQ(Differing(expected, Draw(image, frame, at, look, true)), 0)
        << "angle " << at.angle << " about " << at.centre.x << ',' << at.centre.y << " at " << at.x << ',' << at.y
        << " blend " << look.blend << " mod " << int(look.mod.r) << ',' << int(look.mod.g) << ','
        << int(look.mod.b) << ',' << int(look.mod.a);
  }

  // Both filtering modes of the texture, each over every angle, centre and look.
  void ExpectAnglesSameAsSdl(const Image& image, float x, float y) {
    const double angles[] = {0, 90, 180, 270, -90, 360, 450, 1, 17.3, 45, 89.99, 90.01, 133.7, 200.5, 359.6, -33.3};
    const SDL_FPoint centres[] = {{image.Width() / 2.0f, image.Height() / 2.0f}, {0, 0}, {5.25f, 30.75f}};
    const TextureLook looks[] = {{SDL_BLENDMODE_BLEND, {255, 255, 255, 255}},
                                 {SDL_BLENDMODE_BLEND, {200, 30, 255, 90}},
                                 {SDL_BLENDMODE_ADD, {255, 255, 255, 255}},
                                 {SDL_BLENDMODE_ADD, {240, 180, 60, 200}}};
    for (const SDL_ScaleMode mode : {SDL_ScaleModeLinear, SDL_ScaleModeNearest}) {
      SDL_SetTextureScaleMode(image.Texture(ScreenRenderer()), mode);
      for (const double angle : angles) {
        for (const SDL_FPoint& centre : centres) {
          for (const TextureLook& look : looks) ExpectSameAsSdl(image, 0, Placement{x, y, angle, centre}, look);
        }
      }
    }
  }
};

TEST_F(TurnedCopyTest, EveryAngleFilterAndLookMatchesSdlToTheBit) {
  std::mt19937 random(11);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 37, 29));
  const Placement middle{30.6f, 33.2f, 133.7, {18.5f, 14.5f}};
  ASSERT_NE(Differing(After([](SDL_Renderer*) {}), Draw(*sprite, 0, middle, {}, true)), 0) << "the copy must show";
  ExpectAnglesSameAsSdl(*sprite, middle.x, middle.y);
}

TEST_F(TurnedCopyTest, PlacementAndClippingMatchSdl) {
  std::mt19937 random(13);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 41, 33));
  const TextureLook look{SDL_BLENDMODE_ADD, {240, 180, 60, 200}};
  // Fractions are cut towards zero, and the turned box may hang over any edge.
  for (const auto& [x, y] : {std::pair{10.7f, 5.2f}, {-12.6f, -7.9f}, {80.5f, 70.5f}, {-0.5f, 60.99f}, {-50.0f, 3.0f}}) {
    for (const double angle : {0.0, 30.0, 90.0, 251.5}) ExpectSameAsSdl(*sprite, 0, Placement{x, y, angle, {20.5f, 16.5f}}, look);
  }
  const SDL_Rect clip{13, 17, 30, 25};
  RenderClipRect(ScreenRenderer(), &clip);
  for (const double angle : {0.0, 30.0, 90.0, 251.5}) ExpectSameAsSdl(*sprite, 0, Placement{5.5f, 9.25f, angle, {20.5f, 16.5f}}, look);
  RenderClipRect(ScreenRenderer(), nullptr);
}

TEST_F(TurnedCopyTest, FramesCutFromAStripMatchSdl) {
  std::mt19937 random(17);
  Pixmap strip(3 * 20, 2 * 24);
  for (int frame = 0; frame < 6; ++frame) {
    const Pixmap cell = Sprite(random, 20, 24);
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 20; ++x) strip.At((frame % 3) * 20 + x, (frame / 3) * 24 + y) = cell.At(x, y);
    }
  }
  const ImagePtr image = std::make_shared<Image>(std::move(strip), 20, 24, 0, 6);
  for (const int frame : {0, 4, 5}) {
    ExpectSameAsSdl(*image, frame, Placement{40.2f, 37.9f, 77.7, {10, 12}}, TextureLook{SDL_BLENDMODE_BLEND, {255, 255, 255, 255}});
  }
}

// Rows longer than the writer's buffer are turned in pieces that must join without a seam.
class WideTurnedCopyTest : public TurnedCopyTest {
 protected:
  WideTurnedCopyTest() { size_ = 420; }
};

TEST_F(WideTurnedCopyTest, RowsWiderThanOneBufferMatchSdl) {
  std::mt19937 random(19);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 390, 12));
  for (const double angle : {0.0, 2.5, 178.0}) {
    ExpectSameAsSdl(*sprite, 0, Placement{15.3f, 200.1f, angle, {195, 6}}, TextureLook{SDL_BLENDMODE_ADD, {255, 255, 255, 255}});
  }
}

TEST_F(TurnedCopyTest, OtherBlendModesAndScaledCopiesAreLeftToSdl) {
  std::mt19937 random(23);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 8, 8));
  SDL_Renderer* renderer = ScreenRenderer();
  const Pixmap& pixels = sprite->Strip();
  const PixelRect picture{pixels.pixels.data(), 8, 8, 8};
  const SDL_FRect unscaled{4, 4, 8, 8}, scaled{4, 4, 12, 8};
  for (const SDL_BlendMode blend : {SDL_BLENDMODE_NONE, SDL_BLENDMODE_MOD}) {
    EXPECT_FALSE(RenderTurned(renderer, sprite->Texture(renderer), TextureLook{blend, {255, 255, 255, 255}}, picture,
                              unscaled, 30, SDL_FPoint{4, 4}));
  }
  EXPECT_FALSE(RenderTurned(renderer, sprite->Texture(renderer), TextureLook{}, picture, scaled, 30, SDL_FPoint{4, 4}));
}

// The game's own drawing call takes the writer for a turned sprite and still matches SDL.
TEST_F(TurnedCopyTest, DrawImageTurnsSpritesAsSdlDoes) {
  std::mt19937 random(29);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 31, 27));
  sprite->SetHandle(15.5f, 13.5f);
  const Pixmap ours = After([&](SDL_Renderer*) {
    ResetDrawState();
    SetRotation(57.25f);
    SetBlend(kBlendLight);
    SetAlpha(0.6f);
    DrawImage(sprite, 47.7f, 44.2f);
    ResetDrawState();
  });
  const Pixmap sdl = Draw(*sprite, 0, Placement{47.7f - 15.5f, 44.2f - 13.5f, 57.25, {15.5f, 13.5f}},
                          TextureLook{SDL_BLENDMODE_ADD, {255, 255, 255, AlphaByte(0.6f)}}, false);
  EXPECT_EQ(Differing(sdl, ours), 0);
}

// A scaled copy (wreckage falling away, large text) is scaled first as SDL scales it, then turned
// straight into the back buffer: it must match SDL's own scaled and turned copy.
TEST_F(TurnedCopyTest, ScaledCopiesMatchSdl) {
  std::mt19937 random(37);
  Pixmap strip(2 * 29, 23);
  for (int frame = 0; frame < 2; ++frame) {
    const Pixmap cell = Sprite(random, 29, 23);
    for (int y = 0; y < 23; ++y) {
      for (int x = 0; x < 29; ++x) strip.At(frame * 29 + x, y) = cell.At(x, y);
    }
  }
  const ImagePtr sprite = std::make_shared<Image>(std::move(strip), 29, 23, 0, 2);
  sprite->SetHandle(14.5f, 11.25f);
  const std::pair<float, float> scales[] = {{0.3f, 0.3f}, {0.5f, 0.5f}, {0.61f, 0.61f}, {0.97f, 0.97f}, {1.02f, 1.02f},
                                            {1.5f, 1.5f}, {2.7f, 2.7f}, {0.6f, 0.9f}, {1.4f, 0.45f}, {0.02f, 0.02f}};
  const TextureLook looks[] = {{SDL_BLENDMODE_BLEND, {255, 255, 255, 255}},
                               {SDL_BLENDMODE_BLEND, {255, 255, 255, 140}},
                               {SDL_BLENDMODE_ADD, {240, 180, 60, 200}}};
  const int blends[] = {kBlendAlpha, kBlendAlpha, kBlendLight};
  const float x = 41.3f, y = 50.8f;
  for (const SDL_ScaleMode mode : {SDL_ScaleModeLinear, SDL_ScaleModeNearest}) {
    SDL_SetTextureScaleMode(sprite->Texture(ScreenRenderer()), mode);
    for (const auto& scale : scales) {
      const float sx = scale.first, sy = scale.second;  // lambdas cannot capture bindings in clang 14
      for (const double angle : {0.0, 90.0, 33.3, 181.7}) {
        for (std::size_t look = 0; look < std::size(looks); ++look) {
          for (const int frame : {0, 1}) {
            const Pixmap ours = After([&](SDL_Renderer*) {
              ResetDrawState();
              SetRotation(static_cast<float>(angle));
              SetScale(sx, sy);
              SetBlend(blends[look]);
              SetColor(looks[look].mod.r, looks[look].mod.g, looks[look].mod.b);
              SetAlpha(looks[look].mod.a / 255.0f);
              DrawImage(*sprite, x, y, frame);
              ResetDrawState();
            });
            const float left = x - sx * sprite->HandleX(), top = y - sy * sprite->HandleY();
            const Placement at{left, top, angle, {x - left, y - top}};
            const Pixmap sdl = After([&](SDL_Renderer* renderer) {
              const SDL_Rect source{sprite->FrameLeft(frame), sprite->FrameTop(frame), 29, 23};
              RenderCopyEx(renderer, sprite->Texture(renderer), looks[look], source,
                           SDL_FRect{at.x, at.y, sx * 29, sy * 23}, at.angle, at.centre, SDL_FLIP_NONE);
            });
            EXPECT_EQ(Differing(sdl, ours), 0) << "scale " << sx << 'x' << sy << " angle " << angle << " look " << look
                                                << " frame " << frame << " filter " << mode;
          }
        }
      }
    }
  }
}

// A scaled picture is made once and kept for the frames that follow; sizes SDL's filter cannot
// make from (one row) and parts outside the strip are left to SDL.
TEST_F(TurnedCopyTest, ScaledPartsAreKeptAndOnlyWhereTheyCanBeMade) {
  std::mt19937 random(41);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 30, 20));
  const ScaledPart* half = sprite->Scaled(0, 0, 30, 20, 15, 10);
  ASSERT_NE(half, nullptr);
  EXPECT_EQ(half->pixels.width, 15);
  EXPECT_EQ(half->pixels.height, 10);
  EXPECT_EQ(sprite->Scaled(0, 0, 30, 20, 15, 10), half) << "asked again, the same picture";
  EXPECT_EQ(sprite->Scaled(0, 0, 30, 1, 15, 10), nullptr) << "a single row";
  EXPECT_EQ(sprite->Scaled(0, 0, 30, 20, 0, 10), nullptr) << "no width";
  EXPECT_EQ(sprite->Scaled(10, 0, 30, 20, 15, 10), nullptr) << "outside the strip";
}

}  // namespace
}  // namespace tolvex
