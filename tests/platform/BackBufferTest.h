#pragma once
// A small headless software screen with a noisy background, for checking that pixels
// written straight into the back buffer come out exactly as SDL's own drawing.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "platform/DrawCalls.h"
#include "platform/Graphics.h"

namespace tolvex {

class BackBufferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OpenHeadlessScreen(size_, size_));
    std::mt19937 random(7);
    Pixmap noise(size_, size_);
    for (auto& pixel : noise.pixels) pixel = static_cast<std::uint32_t>(random());
    background_ = CreateImageFromPixmap(std::move(noise));
  }
  void TearDown() override { CloseScreen(); }

  // Random pixels with a fully transparent frame around them and a few transparent holes.
  static Pixmap Sprite(std::mt19937& random, int width, int height) {
    Pixmap pixmap(width, height);
    for (int y = 2; y < height - 2; ++y) {
      for (int x = 3; x < width - 1; ++x) pixmap.At(x, y) = random() % 7 == 0 ? 0u : static_cast<std::uint32_t>(random());
    }
    return pixmap;
  }

  // The whole screen, alpha included, after draw has drawn over the background.
  Pixmap After(const std::function<void(SDL_Renderer*)>& draw) {
    SDL_Renderer* renderer = ScreenRenderer();
    const SDL_Rect whole{0, 0, size_, size_};
    const auto side = static_cast<float>(size_);
    RenderCopy(renderer, background_->Texture(renderer), TextureLook{SDL_BLENDMODE_NONE, {255, 255, 255, 255}}, whole,
               SDL_FRect{0, 0, side, side});
    draw(renderer);
    Pixmap screen(size_, size_);
    SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, screen.pixels.data(), size_ * 4);
    return screen;
  }

  static int Differing(const Pixmap& expected, const Pixmap& actual) {
    int differing = 0;
    for (std::size_t i = 0; i < expected.pixels.size(); ++i) differing += expected.pixels[i] != actual.pixels[i];
    return differing;
  }

  int size_ = 96;  // the screen's width and height; set before SetUp for another
  ImagePtr background_;
};

}  // namespace tolvex
