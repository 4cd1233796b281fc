#include "ui/TINPT_FIELD.h"

#include <algorithm>

#include "core/Helpers.h"
#include "platform/Graphics.h"
#include "platform/Input.h"
#include "platform/Keys.h"

namespace tolvex {
namespace {

bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// Height of one text line of the current font (any non-empty text measures a full line).
float LineHeight() { return TextHeight("X"); }

}  // namespace

TList<TINPT_FIELD>& InputFieldList() {
  static TList<TINPT_FIELD> fields;
  return fields;
}

TINPT_FIELDPtr TINPT_FIELD::create(int x, int y, int width, int height, std::string fieldname, int signallowed) {
  ClearKeyPresses();
  auto field = std::make_shared<TINPT_FIELD>();
  field->x = static_cast<short>(x);
  field->y = static_cast<short>(y);
  field->width = static_cast<short>(width);
  field->height = static_cast<short>(height);
  field->fieldname = std::move(fieldname);
  field->signallowed = static_cast<unsigned char>(signallowed);
  field->Link = InputFieldList().AddLast(field);
  return field;
}

void TINPT_FIELD::color(int border, int bg, int bg2, int text, float opacity) {
  bordercolor = border;
  bgcolor = bg;
  bgcolor2 = bg2;
  textcolor = text;
  alpha = opacity;
}

void TINPT_FIELD::options(std::string text, bool activate, int displayBits) {
  inputtext = std::move(text);
  if (activate) SetAktive();
  option = static_cast<unsigned char>(displayBits);
}

void TINPT_FIELD::SetAktive() {
  for (const TINPT_FIELDPtr& field : InputFieldList()) field->aktive = 0;
  aktive = 1;
  cursorposition = static_cast<short>(inputtext.size());
}

int TINPT_FIELD::UPDATE(float mx, float my, bool click) {
  int active = 0;
  for (const TINPT_FIELDPtr& field : InputFieldList()) {
    if (field->process(mx, my, click)) ++active;
  }
  return active;
}

bool TINPT_FIELD::process(float mx, float my, bool click) {
  if (aktive) {
    Edit();
  } else if (click && mx > x && my > y && mx < x + width && my < y + height) {
    SetAktive();
  }
  Draw();
  return aktive != 0;
}

void TINPT_FIELD::Edit() {
  const int length = static_cast<int>(inputtext.size());
  int caret = std::clamp(static_cast<int>(cursorposition), 0, length);
  int c = NextTypedChar() % 256;
  if (c == KEY_BACKSPACE && caret > 0) {
    inputtext.erase(static_cast<std::size_t>(--caret), 1);
  } else if (c == KEY_ENTER) {
    // The same Enter must not also close the settings window.
    aktive = 0;
    ClearKeyPresses();
  }
  if (KeyPressed(KEY_DELETE) && caret < static_cast<int>(inputtext.size())) {
    inputtext.erase(static_cast<std::size_t>(caret), 1);
  }
  if (KeyPressed(KEY_LEFT) && caret > 0) --caret;
  if (KeyPressed(KEY_RIGHT) && caret < static_cast<int>(inputtext.size())) ++caret;
  if (KeyPressed(KEY_END)) caret = static_cast<int>(inputtext.size());
  if (KeyPressed(KEY_HOME)) caret = 0;
  if (!Admits(c)) c = 0;
  if (c >= 31 && c <= 254) {
    inputtext.insert(static_cast<std::size_t>(caret), 1, static_cast<char>(c));
    ++caret;
  }
  cursorposition = static_cast<short>(caret);
}

bool TINPT_FIELD::Admits(int c) const {
  if ((signallowed & kRejectLetters) && IsLetter(c)) return false;
  if ((signallowed & kRejectDigits) && IsDigit(c)) return false;
  if ((signallowed & kRejectOthers) && !IsLetter(c) && !IsDigit(c)) return false;
  return true;
}

std::string TINPT_FIELD::VisibleText() const {
  const int textWidth = static_cast<int>(TextWidth(inputtext));
  const int room = width - 8;
  const int length = static_cast<int>(inputtext.size());
  if (textWidth <= room || length == 0) return inputtext;
  // The average character width decides how many characters of the end fit.
  const int average = std::max(1, textWidth / length);
  const int keep = std::clamp(room / average, 0, length);
  return inputtext.substr(static_cast<std::size_t>(length - keep));
}

void TINPT_FIELD::Draw() const {
  SetAlpha(aktive ? 1.0f : alpha);
  Draw_SetColor(bordercolor);
  DrawRect(x, y, width, height);
  Draw_SetColor(aktive ? bgcolor2 : bgcolor);
  DrawRect(x + 1, y + 1, width - 2, height - 2);
  Draw_SetColor(textcolor);
  if (option & kShowLabel) DrawText(fieldname, x + 2, y + 2);

  const std::string visible = VisibleText();
  const int textWidth = static_cast<int>(TextWidth(visible));
  const int offset = (option & kCentreText) ? 2 + width / 2 - textWidth / 2 : 2;
  const float textY = static_cast<float>(y + static_cast<int>(TextHeight(fieldname)) + 2);
  DrawText(visible, static_cast<float>(x + offset), textY);
  if (aktive) {
    const std::string_view beforeCaret = std::string_view(visible).substr(
        0, std::min(visible.size(), static_cast<std::size_t>(std::max<short>(cursorposition, 0))));
    DrawRect(static_cast<float>(x + offset) + TextWidth(beforeCaret), textY, 2.0f, LineHeight());
  }
}

void TINPT_FIELD::Draw_SetColor(int rgb) { SetColorRGB(rgb); }

TINPT_FIELDPtr TINPT_FIELD::Die() {
  if (Link) Link->Remove();
  return nullptr;
}

void TINPT_FIELD::DieAll() { InputFieldList().Clear(); }

}  // namespace tolvex
