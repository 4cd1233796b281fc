#pragma once
// Small helpers of the shell that nearly every part of the game uses.
#include <string>
#include <string_view>

#include "platform/Sound.h"

namespace tolvex {

float Distance(float x1, float y1, float x2, float y2);
// The compass bearing from point 1 to point 2, 0..360 (0 up, clockwise).
float AngleTo(float x1, float y1, float x2, float y2);
// False when the world point is more than margin pixels outside the screen.
bool IsOnScreen(float x, float y, int margin);
// Sets the drawing colour from 0xRRGGBB (the top byte is ignored).
void SetColorRGB(int rgb);
// The whole number a text starts with (after blanks, with an optional sign), as settings and files
// read numbers: 0 when the text does not start with one; held at the ends of int's range.
int TextToInt(std::string_view text);
// The game's Latin-1 text as UTF-8 (JSON text must be UTF-8).
std::string Latin1ToUtf8(std::string_view text);
// The same for a decimal number; 0 for text that is not one, and for "inf", "nan" and overflow.
float TextToFloat(std::string_view text);
// The attenuation of a sound dx, dy pixels from the screen centre: 0 there, 1 at the edge of hearing.
float SoundAttenuation(int dx, int dy, int screenWidth);
// Plays a sound effect for an event at a world point, quieter with distance from the screen centre.
void PlaySoundAt(const SoundPtr& sound, int x, int y);

}  // namespace tolvex
