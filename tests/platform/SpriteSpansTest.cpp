// Sprites written straight into the software back buffer must look exactly as SDL's own copy.
#include "BackBufferTest.h"
#include "platform/SpriteSpans.h"

namespace tolvex {
namespace {

class SpriteSpansTest : public BackBufferTest {
 protected:
  // The screen after the sprite is drawn over the background, by SDL or by the span writer.
  Pixmap Draw(const Image& sprite, float x, float y, const TextureLook& look, bool spans) {
    return After([&](SDL_Renderer* renderer) {
      if (spans) {
        EXPECT_TRUE(RenderSpans(renderer, sprite.Spans(), static_cast<int>(x), static_cast<int>(y), look));
      } else {
        const SDL_Rect source{0, 0, sprite.Width(), sprite.Height()};
        RenderCopy(renderer, sprite.Texture(renderer), look, source,
                   SDL_FRect{x, y, static_cast<float>(sprite.Width()), static_cast<float>(sprite.Height())});
      }
    });
  }

  void ExpectSameAsSdl(const Image& sprite, float x, float y, const TextureLook& look) {
    EXPECT_EQ(Differing(Draw(sprite, x, y, look, false), Draw(sprite, x, y, look, true)), 0)
        << "blend " << look.blend << " mod " << int(look.mod.r) << ',' << int(look.mod.g) << ','
        << int(look.mod.b) << ',' << int(look.mod.a) << " at " << x << ',' << y;
  }
};

TEST_F(SpriteSpansTest, RowsSkipTheTransparentEdges) {
  Pixmap pixmap(6, 3);
  pixmap.At(2, 0) = 0x01000000u;
  pixmap.At(4, 0) = 0xFF123456u;
  pixmap.At(0, 2) = 0x80FFFFFFu;
  const SpriteSpans spans(pixmap.pixels.data(), 6, 6, 3);
  EXPECT_EQ(spans.RowSpan(0).begin, 2);
  EXPECT_EQ(spans.RowSpan(0).end, 5);
  EXPECT_EQ(spans.RowSpan(1).begin, spans.RowSpan(1).end) << "an empty row has an empty span";
  EXPECT_EQ(spans.RowSpan(2).begin, 0);
  EXPECT_EQ(spans.RowSpan(2).end, 1);
  EXPECT_EQ(spans.VisiblePixels(), 4);
  const SDL_Rect box = spans.VisibleBox();
  EXPECT_EQ(box.x, 0);
  EXPECT_EQ(box.y, 0);
  EXPECT_EQ(box.w, 5);
  EXPECT_EQ(box.h, 3);
  const Pixmap clear(4, 4);
  EXPECT_EQ(SpriteSpans(clear.pixels.data(), 4, 4, 4).VisibleBox().w, 0) << "nothing visible, an empty box";
}

TEST_F(SpriteSpansTest, EveryLookMatchesSdlToTheBit) {
  std::mt19937 random(3);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 37, 29));
  const SDL_Color looks[] = {{255, 255, 255, 255}, {255, 255, 255, 90}, {200, 30, 255, 255}, {12, 250, 99, 3},
                             {0, 0, 0, 0},         {255, 128, 64, 254}};
  for (const SDL_BlendMode blend : {SDL_BLENDMODE_BLEND, SDL_BLENDMODE_ADD}) {
    for (const SDL_Color& mod : looks) ExpectSameAsSdl(*sprite, 20, 30, TextureLook{blend, mod});
  }
}

// A backdrop's opaque rows are copied as they are, wherever the row is cut; rows with a hole
// or a translucent pixel are blended, sixteen, eight or four pixels at a time.
TEST_F(SpriteSpansTest, OpaqueRowsMatchSdl) {
  std::mt19937 random(5);
  Pixmap pixmap(45, 12);
  for (auto& pixel : pixmap.pixels) pixel = 0xFF000000u | static_cast<std::uint32_t>(random());
  pixmap.At(30, 4) = 0x80123456u;  // one row translucent in the middle
  pixmap.At(44, 7) = 0;            // one row shorter
  const ImagePtr sprite = CreateImageFromPixmap(std::move(pixmap));
  EXPECT_TRUE(sprite->Spans().RowSpan(0).opaque);
  EXPECT_FALSE(sprite->Spans().RowSpan(4).opaque);
  EXPECT_TRUE(sprite->Spans().RowSpan(7).opaque);
  for (const SDL_Color& mod : {SDL_Color{255, 255, 255, 255}, SDL_Color{255, 255, 255, 200}, SDL_Color{90, 255, 255, 255}}) {
    for (const auto& [x, y] : {std::pair{20.0f, 30.0f}, {-13.0f, 90.0f}, {70.0f, -3.0f}}) {
      ExpectSameAsSdl(*sprite, x, y, TextureLook{SDL_BLENDMODE_BLEND, mod});
      ExpectSameAsSdl(*sprite, x, y, TextureLook{SDL_BLENDMODE_ADD, mod});
    }
  }
  // A backdrop drawn solid: only a picture opaque throughout is copied without SDL.
  EXPECT_FALSE(sprite->Spans().Opaque());
  EXPECT_FALSE(RenderSpans(ScreenRenderer(), sprite->Spans(), 0, 0, TextureLook{SDL_BLENDMODE_NONE, {255, 255, 255, 255}}));
  Pixmap solid(45, 12);
  for (auto& pixel : solid.pixels) pixel = 0xFF000000u | static_cast<std::uint32_t>(random());
  const ImagePtr backdrop = CreateImageFromPixmap(std::move(solid));
  ASSERT_TRUE(backdrop->Spans().Opaque());
  for (const auto& [x, y] : {std::pair{20.0f, 30.0f}, {-13.0f, 90.0f}}) {
    ExpectSameAsSdl(*backdrop, x, y, TextureLook{SDL_BLENDMODE_NONE, {255, 255, 255, 255}});
  }
  EXPECT_FALSE(RenderSpans(ScreenRenderer(), backdrop->Spans(), 0, 0, TextureLook{SDL_BLENDMODE_NONE, {255, 255, 255, 128}}))
      << "a faded copy without blending is SDL's";
}

TEST_F(SpriteSpansTest, PlacementAndClippingMatchSdl) {
  std::mt19937 random(5);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 41, 33));
  const TextureLook look{SDL_BLENDMODE_ADD, {240, 180, 60, 200}};
  // Fractions are cut towards zero, and the sprite may hang over any edge or lie wholly beyond one.
  for (const auto& [x, y] : {std::pair{10.7f, 5.2f}, {-12.6f, -7.9f}, {80.5f, 70.5f}, {-0.5f, 60.99f}, {-50.0f, 3.0f},
                             {10.0f, -60.0f}, {10.0f, 200.0f}, {200.0f, 10.0f}}) {
    ExpectSameAsSdl(*sprite, x, y, look);
  }
  const SDL_Rect clip{13, 17, 30, 25};
  RenderClipRect(ScreenRenderer(), &clip);
  ExpectSameAsSdl(*sprite, 5.5f, 9.25f, look);
  RenderClipRect(ScreenRenderer(), nullptr);
}

// Rows shorter than four pixels, rows that end part-way through a group of four or eight, and
// sprites fewer rows high than the blit looks ahead take other paths than the sprites above.
TEST_F(SpriteSpansTest, NarrowRowsMatchSdl) {
  std::mt19937 random(31);
  for (int width = 1; width <= 17; ++width) {
    const int height = 1 + width % 6;
    Pixmap pixmap(width, height);
    for (auto& pixel : pixmap.pixels) pixel = static_cast<std::uint32_t>(random()) | 0x01000000u;
    const ImagePtr sprite = CreateImageFromPixmap(std::move(pixmap));
    for (const SDL_BlendMode blend : {SDL_BLENDMODE_BLEND, SDL_BLENDMODE_ADD}) {
      for (const SDL_Color mod : {SDL_Color{255, 255, 255, 255}, SDL_Color{90, 200, 255, 140}}) {
        ExpectSameAsSdl(*sprite, 40, 41, TextureLook{blend, mod});
      }
    }
  }
}

// Plain alpha blending has SDL's shortcuts at alpha 0 and 255 and shifted weights between:
// every alpha, in every position of a four-pixel group and in the ragged row ends.
TEST_F(SpriteSpansTest, PlainBlendingMatchesSdlAtEveryAlpha) {
  std::mt19937 random(11);
  Pixmap pixmap(67, 13);
  for (std::size_t i = 0; i < pixmap.pixels.size(); ++i) {
    const auto alpha = static_cast<std::uint32_t>((i * 7) % 256);
    pixmap.pixels[i] = alpha << 24 | (static_cast<std::uint32_t>(random()) & 0xFFFFFFu);
  }
  const ImagePtr sprite = CreateImageFromPixmap(std::move(pixmap));
  for (const float x : {0.0f, 1.0f, 2.0f, 3.0f, 30.0f}) {
    ExpectSameAsSdl(*sprite, x, 7, TextureLook{SDL_BLENDMODE_BLEND, {255, 255, 255, 255}});
  }
}

// A picture faded but not tinted (a backdrop fading in) takes a shorter way than a tint, and its
// opaque rows one alpha for the whole row: every fade, over rows opaque (the first four holding
// every value in every colour) and rows with holes.
TEST_F(SpriteSpansTest, FadedPicturesMatchSdlAtEveryFade) {
  std::mt19937 random(17);
  Pixmap pixmap(64, 6);
  for (auto& pixel : pixmap.pixels) pixel = 0xFF000000u | static_cast<std::uint32_t>(random());
  for (std::uint32_t value = 0; value < 256; ++value) {
    pixmap.At(static_cast<int>(value % 64), static_cast<int>(value / 64)) = 0xFF000000u | value * 0x010101u;
  }
  for (int x = 0; x < 64; x += 3) pixmap.At(x, 4) = static_cast<std::uint32_t>(random());  // translucent here and there
  const ImagePtr sprite = CreateImageFromPixmap(std::move(pixmap));
  ASSERT_TRUE(sprite->Spans().RowSpan(0).opaque);
  ASSERT_FALSE(sprite->Spans().RowSpan(4).opaque);
  for (int fade = 0; fade < 256; ++fade) {
    ExpectSameAsSdl(*sprite, 11, 5, TextureLook{SDL_BLENDMODE_BLEND, {255, 255, 255, static_cast<Uint8>(fade)}});
  }
}

TEST_F(SpriteSpansTest, OtherBlendModesAreLeftToSdl) {
  std::mt19937 random(9);
  const ImagePtr sprite = CreateImageFromPixmap(Sprite(random, 8, 8));
  for (const SDL_BlendMode blend : {SDL_BLENDMODE_NONE, SDL_BLENDMODE_MOD}) {
    EXPECT_FALSE(RenderSpans(ScreenRenderer(), sprite->Spans(), 0, 0, TextureLook{blend, {255, 255, 255, 255}}));
  }
}

}  // namespace
}  // namespace tolvex
