#include "ui/GameFonts.h"

#include "platform/Graphics.h"
#include "ui/FontCandy.h"

namespace tolvex {

TVizazIrudPtr GameFont;
TVizazIrudPtr GameFont2;
TVizazIrudPtr GameFont3;

void LoadGameFonts() {
  GameFont = LoadFontCandyFont("incbin::..\\gfx\\font.png", kFontStyleSmooth, 0);
  GameFont2 = LoadFontCandyFont("incbin::..\\gfx\\font2.png", kFontStyleSmooth, 0);
  GameFont3 = LoadFontCandyFont("incbin::..\\gfx\\font3.png", kFontStyleSmooth, 0);
}

void ResetGameFonts() {
  const Font* current = CurrentDrawState().font;
  for (TVizazIrudPtr* font : {&GameFont, &GameFont2, &GameFont3}) {
    if (*font && current == font->get()) SetFont(nullptr);
    font->reset();
  }
}

void SelectFont(const TVizazIrudPtr& font) {
  if (font) SetFont(font.get());
}

}  // namespace tolvex
