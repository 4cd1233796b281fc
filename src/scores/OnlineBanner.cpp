#include "scores/OnlineBanner.h"

#include "platform/Graphics.h"

namespace tolvex {

void ShowOnlineBanner(std::string_view text) {
  if (!ScreenRenderer()) return;
  const float w = TextWidth(text), h = TextHeight(text);
  const int screenW = ScreenWidth(), screenH = ScreenHeight();
  const float x = (static_cast<float>(screenW) - w) / 2;
  const int y = (screenH - static_cast<int>(h)) / 2;
  SetBlend(kBlendAlpha);
  SetAlpha(0.7f);
  SetColor(0, 0, 0);
  DrawRect(x - 20, static_cast<float>(y - 10), w + 40, h + 20);
  SetAlpha(1);
  SetColor(0, 100, 255);
  DrawText(text, x, static_cast<float>(y));
  SetColor(255, 255, 255);
  Flip(0);
}

}  // namespace tolvex
