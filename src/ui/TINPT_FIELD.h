#pragma once
// One-line text input boxes with a label, a caret, click-to-focus and a
// per-field character filter (the first-run settings window).
#include <memory>
#include <string>

#include "core/TList.h"

namespace tolvex {

// A text input box; all boxes live in one list processed once per frame.
class TINPT_FIELD {
 public:
  // Display bits of `option`.
  enum Option : unsigned char { kCentreText = 1, kShowLabel = 2 };
  // Filter bits of `signallowed`: the kinds of characters a field rejects.
  enum Filter : unsigned char { kRejectLetters = 1, kRejectDigits = 2, kRejectOthers = 4 };

  // Top-left corner and size of the box.
  short x = 0, y = 0, width = 0, height = 0;
  std::string fieldname;
  std::string inputtext;
  int bordercolor = 0xF4CF00;
  // Inner colour while inactive and while active.
  int bgcolor = 0x540200;
  int bgcolor2 = 0x7C1400;
  int textcolor = 0xFFF773;
  // Opacity while inactive; an active box is opaque.
  float alpha = 1.0f;
  unsigned char aktive = 0;
  unsigned char option = 0;
  unsigned char signallowed = 0;
  std::shared_ptr<TLink<TINPT_FIELD>> Link;
  // Number of characters before the caret.
  short cursorposition = 0;

  // Forgets pending key presses and appends a new box to the list.
  static std::shared_ptr<TINPT_FIELD> create(int x, int y, int width, int height, std::string fieldname,
                                             int signallowed);
  void color(int border, int bg, int bg2, int text, float alpha);
  void options(std::string text, bool activate, int option);
  // Gives this box the focus (and takes it from all others), caret at the end.
  void SetAktive();
  // Processes and draws every box; returns how many are active afterwards.
  static int UPDATE(float mx, float my, bool click);
  // Edits (when active) or focuses (when clicked) the box, draws it, returns aktive.
  bool process(float mx, float my, bool click);
  void Draw() const;
  static void Draw_SetColor(int rgb);
  const std::string& GetInput() const { return inputtext; }
  const std::string& GetName() const { return fieldname; }
  // Takes the box out of the list; returns null for the caller to keep.
  std::shared_ptr<TINPT_FIELD> Die();

  // Takes every box out of the list.
  static void DieAll();
  // Whether a typed character passes the box's filter.
  bool Admits(int c) const;
  // The end of the text that fits into the box (all of it when it fits).
  std::string VisibleText() const;

 private:
  // Applies one frame of typing and caret keys to an active box.
  void Edit();
};
using TINPT_FIELDPtr = std::shared_ptr<TINPT_FIELD>;

// Every input box, in the order they were created.
TList<TINPT_FIELD>& InputFieldList();

}  // namespace tolvex
