#pragma once
// Key codes: the Windows virtual-key numbers the game is written against.

namespace tolvex {

enum VirtualKey : int {
  KEY_BACKSPACE = 8,
  KEY_TAB = 9,
  KEY_ENTER = 13,
  KEY_SHIFT = 16,
  KEY_CONTROL = 17,
  KEY_ESCAPE = 27,
  KEY_SPACE = 32,
  KEY_PAGEUP = 33,
  KEY_PAGEDOWN = 34,
  KEY_END = 35,
  KEY_HOME = 36,
  KEY_LEFT = 37,
  KEY_UP = 38,
  KEY_RIGHT = 39,
  KEY_DOWN = 40,
  KEY_INSERT = 45,
  KEY_DELETE = 46,
  KEY_0 = 48,  // digits are 48..57
  KEY_A = 65,  // letters are the codes of the capitals, 65..90
  KEY_F1 = 112,
  KEY_LSHIFT = 160,
  KEY_RSHIFT = 161,
  KEY_LCONTROL = 162,
  KEY_RCONTROL = 163,
  KEY_LALT = 164,
  KEY_RALT = 165,
};

// The code of a letter key, 'A'..'Z' (or lower case).
constexpr int LetterKey(char letter) { return (letter >= 'a' ? letter - 'a' + 'A' : letter); }

}  // namespace tolvex
