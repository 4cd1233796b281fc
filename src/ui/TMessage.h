#pragma once
// Transient on-screen messages: coloured lines at the left edge that fade in
// and out, stacked around one third of the screen height.
#include <memory>
#include <string>

#include "core/TList.h"

namespace tolvex {

// One live message of the message stack.
class TMessage {
 public:
  std::string content;
  // Scale of the font.
  float size = 1.0f;
  // Height and width in pixels at its size, measured when added.
  int height = 0;
  int width = 0;
  // FrameClock at which the message ends.
  int duration = 0;
  // Its whole display time in ms.
  int durationmax = 0;
  // Text colour 0xRRGGBB.
  int color = 0;
  std::shared_ptr<TLink<TMessage>> _link;

  // Empties the stack and places it at one third of the screen height.
  static void Init();
  // Drops the messages whose time is over and sums the heights of the rest.
  static void ProcessAll();
  // Draws every live message with the message font.
  static void DrawAll();
  // Shows a text for duration ms, measured with the current font.
  static void Add(std::string content, int duration, float size, int color);

  // Draws the message below those already drawn this frame.
  void Draw();
  // Removes the message once its time is over; else counts its height.
  void Process();
  // Drawing colour from 0xRRGGBB.
  static void SetColor2(int c);

  // The fraction of the display time left now (0 for a message without time).
  float TimeLeft() const;
  // Opacity for a fraction of time left: fading in over the first tenth, out over the last.
  static float AlphaFor(float timeLeft);
  // Where the top of the message goes, given the heights drawn so far this frame.
  float Top() const;
};
using TMessagePtr = std::shared_ptr<TMessage>;

// The live messages in the order they were added.
extern TList<TMessage> MessageList;
// Centre line of the stack (one third of the screen height).
extern float MessageAnchorY;
// Sum of the heights of the live messages, rebuilt by ProcessAll.
extern float MessageTotalHeight;
// Heights of the messages already drawn in this frame.
extern float MessageDrawOffset;

}  // namespace tolvex
