#pragma once
// The gliding sphere menu of the main menu and the highscore screen: a dark sphere with up to
// three buttons whose glowing labels fade in under the pointer; a click returns the button's command.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/TList.h"
#include "platform/Image.h"

namespace tolvex {

// One menu button; the type's static operations own the menu-wide state.
class TMenue {
 public:
  // The button image, handle at its centre.
  ImagePtr Image;
  // Offset of the button's centre from the menu position.
  float x = 0, y = 0;
  // Half the image's width and height.
  int widthh = 0, heighth = 0;
  // Visibility of the label, 0..1.
  float alpha = 0;
  // The pointer is on this button in this frame.
  bool active = false;
  // Returned when the button is clicked.
  std::string command;
  std::shared_ptr<TLink<TMenue>> link;

  // Shows the menu with no buttons (placing it above the screen on first use).
  static void Init();
  // Start, Highscore and Quit, gliding to the screen's centre.
  static void InitMainMenue();
  // Start, Online Update (only with online highscores) and Main Menu, gliding to the top-left corner.
  static void InitHighscoreMenue();
  // Hides the menu and drops its buttons.
  static void Close();
  // Glides up out of the screen, then closes.
  static void ShutDown();
  static void SetPosition(float x, float y);
  // Starts an 800 ms glide from where the menu is to (x, y).
  static void MoveTo(float x, float y);
  // Sphere, buttons and the menu pointer, once per frame in every state.
  static void DrawAll();
  // Glides, lights the button under the pointer and returns the command of a clicked one, or "".
  static std::string ProcessAll();
  // Appends a button with the image at url, offset (dx, dy) from the menu position.
  static std::shared_ptr<TMenue> NewButton(std::string_view url, float dx, float dy, std::string command);

  // Lights and fades this button; its command when it was clicked, else "".
  std::string Process();
  void Draw() const;
  float GetX() const;
  float GetY() const;
  // Drops the image and leaves the button list.
  void Remove();

  // The menu pointer with its tip at (cursorX, cursorY) touches a solid pixel of the button.
  bool UnderPointer(float cursorX, float cursorY) const;
  // A pointer position near the button's centre where a click counts; none if there is no such spot.
  std::optional<std::pair<int, int>> ClickSpot() const;
};
using TMenuePtr = std::shared_ptr<TMenue>;

// The menu-wide state, one copy.
struct MenuState {
  float x = 0, y = 0;  // centre of the sphere on the screen
  float startX = 0, startY = 0, targetX = 0, targetY = 0;
  int moveStart = 0;  // clock when the glide began
  TList<TMenue> buttons;
  ImagePtr sphere, pointer;
  // A button already claimed the pointer in this frame.
  bool hoverTaken = false;
  bool shown = false;
  // Gliding away; closes on arrival.
  bool closing = false;
};
MenuState& Menu();
// The shown button with this command, or null.
TMenuePtr FindMenuButton(std::string_view command);
// Back to before the first menu: hidden, no buttons, position (0, 0).
void ResetMenu();

}  // namespace tolvex
