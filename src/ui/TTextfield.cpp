#include "ui/TTextfield.h"

#include "platform/Graphics.h"
#include "ui/GameFonts.h"

namespace tolvex {
namespace {

// The layout cell of one character at scale 1.
constexpr float kCellWidth = 8.0f;
constexpr float kCellHeight = 12.0f;

}  // namespace

TTextfieldPtr TTextfield::Create(int x, int y, float textsize, unsigned char style) {
  auto panel = std::make_shared<TTextfield>();
  panel->x = static_cast<float>(x);
  panel->y = static_cast<float>(y);
  panel->textsize = textsize;
  panel->style = style;
  return panel;
}

void TTextfield::AddContent(std::string line) { Content.push_back(std::move(line)); }

void TTextfield::move(int dx, int dy) {
  x += static_cast<float>(dx);
  y += static_cast<float>(dy);
}

int TTextfield::getHeight() const {
  return static_cast<int>(static_cast<float>(Content.size()) * textsize * kCellHeight);
}

float TTextfield::LineLeft(std::size_t characters) const {
  const float n = static_cast<float>(characters);
  switch (style) {
    case kLeft: return x;
    case kCentred: return x - n * 0.5f * kCellWidth * textsize;
    case kRight: return x - kCellWidth * n * textsize;
    default: return 0.0f;
  }
}

float TTextfield::LineTop(std::size_t index) const {
  return y + kCellHeight * textsize * static_cast<float>(index);
}

void TTextfield::Draw() const {
  SelectFont(GameFont);
  SetScale(textsize, textsize);
  for (std::size_t i = 0; i < Content.size(); ++i) {
    const std::string& line = Content[i];
    const float left = LineLeft(line.size());
    const float top = LineTop(i);
    SetColor(0, 0, 0);
    SetAlpha(0.5f);
    DrawText(line, left + 2.0f * textsize, top + 2.0f * textsize);
    SetColor(255, 255, 255);
    SetAlpha(0.9f);
    DrawText(line, left, top);
  }
  SetScale(1.0f, 1.0f);
}

}  // namespace tolvex
