// 2,000 rotated, alpha-blended 64×64 sprites a frame, headless at 1280×720:
// once through the drawing layer and once with bare SDL calls, so the layer's
// overhead reads as the ratio of the two.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/Graphics.h"

namespace tolvex {
namespace {

constexpr int kSprites = 2000;

struct Sprite {
  float x, y, angle;
};

std::vector<Sprite> Layout() {
  std::vector<Sprite> sprites;
  for (int i = 0; i < kSprites; ++i) {
    sprites.push_back({static_cast<float>((i * 97) % 1280), static_cast<float>((i * 61) % 720),
                       static_cast<float>((i * 13) % 360)});
  }
  return sprites;
}

ImagePtr Ball() {
  Pixmap pixmap(64, 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const float d = std::hypot(x - 31.5f, y - 31.5f) / 32.0f;
      const auto alpha = static_cast<std::uint32_t>(std::max(0.0f, 1.0f - d) * 255.0f);
      pixmap.At(x, y) = (alpha << 24) | 0x80C0FFu;
    }
  }
  auto image = CreateImageFromPixmap(std::move(pixmap));
  CentreHandle(image);
  return image;
}

void BM_LayerSprites(benchmark::State& state) {
  OpenHeadlessScreen(1280, 720);
  const auto ball = Ball();
  const auto sprites = Layout();
  SetBlend(kBlendAlpha);
  SetAlpha(0.8f);
  for (auto _ : state) {
    Cls();
    for (const auto& s : sprites) {
      SetRotation(s.angle);
      DrawImage(*ball, s.x, s.y);
    }
  }
  state.SetItemsProcessed(state.iterations() * kSprites);
  CloseScreen();
}
BENCHMARK(BM_LayerSprites)->Unit(benchmark::kMillisecond);

void BM_BareSdlSprites(benchmark::State& state) {
  OpenHeadlessScreen(1280, 720);
  const auto ball = Ball();
  const auto sprites = Layout();
  SDL_Renderer* renderer = ScreenRenderer();
  SDL_Texture* texture = ball->Texture(renderer);
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  SDL_SetTextureAlphaMod(texture, 204);
  const SDL_Rect source{0, 0, 64, 64};
  for (auto _ : state) {
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    for (const auto& s : sprites) {
      const SDL_FRect target{s.x - 32, s.y - 32, 64, 64};
      const SDL_FPoint centre{32, 32};
      SDL_RenderCopyExF(renderer, texture, &source, &target, s.angle, &centre, SDL_FLIP_NONE);
    }
  }
  state.SetItemsProcessed(state.iterations() * kSprites);
  CloseScreen();
}
BENCHMARK(BM_BareSdlSprites)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tolvex

BENCHMARK_MAIN();
