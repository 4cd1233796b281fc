#include "ui/TMenue.h"

#include <algorithm>
#include <cstdlib>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/Overlap.h"

namespace tolvex {

namespace {

constexpr float kGlideMs = 800;
// Alpha change of a label per second: half a second to appear or vanish.
constexpr float kFadeRate = 2;
// Where the sphere waits above the screen (its radius is 105).
constexpr float kHiddenY = -105;
// The highscore menu sits in the top-left corner, clear of the highscore text.
constexpr float kHighscoreMenuX = 105, kHighscoreMenuY = 105;

// The three rows of the sphere: top, middle, bottom.
constexpr float kTopRow = -65, kMiddleRow = 0, kBottomRow = 60;

ImagePtr LoadCentred(std::string_view url) {
  ImagePtr image = LoadImage(url);
  CentreHandle(image);
  return image;
}

}  // namespace

MenuState& Menu() {
  static MenuState menu;
  return menu;
}

TMenuePtr FindMenuButton(std::string_view command) {
  if (!Menu().shown) return nullptr;
  for (const TMenuePtr& button : Menu().buttons)
    if (button->command == command) return button;
  return nullptr;
}

void ResetMenu() {
  auto& menu = Menu();
  menu.buttons.Clear();
  menu.sphere = menu.pointer = nullptr;
  menu.x = menu.y = 0;
  menu.startX = menu.startY = menu.targetX = menu.targetY = 0;
  menu.moveStart = 0;
  menu.hoverTaken = menu.shown = menu.closing = false;
}

void TMenue::Init() {
  auto& menu = Menu();
  if (menu.x == 0 && menu.y == 0) SetPosition(static_cast<float>(GfxWidth / 2), kHiddenY);
  menu.shown = true;
  menu.closing = false;
  menu.buttons.Clear();
  menu.sphere = LoadCentred("incbin::..\\gfx\\menue_kugel.png");
  menu.pointer = LoadImage("incbin::..\\gfx\\MouseMenue.png");
  SetHandle(menu.pointer, 3, 3);
}

void TMenue::InitMainMenue() {
  Init();
  MoveTo(static_cast<float>(GfxWidth / 2), static_cast<float>(GfxHeight / 2));
  NewButton("incbin::..\\gfx\\menue_start.png", 0, kTopRow, "start_game");
  NewButton("incbin::..\\gfx\\menue_highscore.png", 0, kMiddleRow, "highscore");
  NewButton("incbin::..\\gfx\\menue_quit.png", 0, kBottomRow, "quit");
}

void TMenue::InitHighscoreMenue() {
  Init();
  MoveTo(kHighscoreMenuX, kHighscoreMenuY);
  NewButton("incbin::..\\gfx\\menue_start.png", 0, kTopRow, "start_game");
  if (OnlineHighscore) NewButton("incbin::..\\gfx\\menue_onlineupdate.png", 0, kMiddleRow, "updatehighscore");
  NewButton("incbin::..\\gfx\\menue_main.png", 0, kBottomRow, "main");
}

void TMenue::Close() {
  auto& menu = Menu();
  for (const TMenuePtr& button : menu.buttons) button->Remove();
  menu.sphere = nullptr;
  menu.shown = false;
}

void TMenue::ShutDown() {
  Menu().closing = true;
  MoveTo(static_cast<float>(GfxWidth / 2), kHiddenY);
}

void TMenue::SetPosition(float x, float y) {
  Menu().x = x;
  Menu().y = y;
}

void TMenue::MoveTo(float x, float y) {
  auto& menu = Menu();
  menu.startX = menu.x, menu.startY = menu.y;
  menu.targetX = x, menu.targetY = y;
  menu.moveStart = ClockMs();
}

TMenuePtr TMenue::NewButton(std::string_view url, float dx, float dy, std::string command) {
  auto button = std::make_shared<TMenue>();
  button->Image = LoadCentred(url);
  button->x = dx;
  button->y = dy;
  button->widthh = ImageWidth(button->Image) / 2;
  button->heighth = ImageHeight(button->Image) / 2;
  button->command = std::move(command);
  button->link = Menu().buttons.AddLast(button);
  return button;
}

std::string TMenue::ProcessAll() {
  auto& menu = Menu();
  if (!menu.shown) return "";
  menu.hoverTaken = false;
  const int now = ClockMs();
  const float end = static_cast<float>(menu.moveStart) + kGlideMs;
  if (static_cast<float>(now) < end) {
    // A fast start that slows into the target.
    const float f = SinDeg((1 - (end - static_cast<float>(now)) / kGlideMs) * 90);
    menu.x = menu.startX + (menu.targetX - menu.startX) * f;
    menu.y = menu.startY + (menu.targetY - menu.startY) * f;
  } else {
    menu.x = menu.targetX, menu.y = menu.targetY;
    if (menu.closing) Close();
  }
  std::string result;
  for (const TMenuePtr& button : menu.buttons) {
    result = button->Process();
    if (!result.empty()) break;
  }
  SetAlpha(1);
  return result;
}

void TMenue::DrawAll() {
  const auto& menu = Menu();
  if (!menu.shown) return;
  SetColor(255, 255, 255);
  SetBlend(kBlendAlpha);
  SetScale(1, 1);
  SetAlpha(1);
  DrawImage(menu.sphere, menu.x, menu.y);
  for (const TMenuePtr& button : menu.buttons) button->Draw();
  SetAlpha(1);
  if (!menu.closing) DrawImage(menu.pointer, CursorX, CursorY);
}

std::string TMenue::Process() {
  auto& menu = Menu();
  if (!menu.hoverTaken && UnderPointer(CursorX, CursorY)) {
    active = true;
    if (ButtonsHit[0]) return command;
  } else {
    active = false;
  }
  const float step = kFadeRate / FrameRate;
  if (active && alpha < 1) alpha = std::min(alpha + step, 1.0f);
  if (!active && alpha > 0) alpha = std::max(alpha - step, 0.0f);
  // The first button in the list that holds the pointer wins it for this frame.
  if (!menu.hoverTaken) menu.hoverTaken = active;
  return "";
}

void TMenue::Draw() const {
  SetAlpha(alpha);
  DrawImage(Image, GetX(), GetY());
}

float TMenue::GetX() const { return Menu().x + x; }
float TMenue::GetY() const { return Menu().y + y; }

void TMenue::Remove() {
  Image = nullptr;
  if (link) link->Remove();
}

bool TMenue::UnderPointer(float cursorX, float cursorY) const {
  const ImagePtr& pointer = Menu().pointer;
  if (!Image || !pointer) return false;
  const int bx = static_cast<int>(GetX()), by = static_cast<int>(GetY());
  const bool inBox = cursorX > static_cast<float>(bx - widthh) && cursorX < static_cast<float>(bx + widthh) &&
                     cursorY > static_cast<float>(by - heighth) && cursorY < static_cast<float>(by + heighth);
  return inBox && ImagesOverlap(*pointer, static_cast<float>(static_cast<int>(cursorX)),
                                static_cast<float>(static_cast<int>(cursorY)), 0, *Image, GetX(), GetY(), 0);
}

std::optional<std::pair<int, int>> TMenue::ClickSpot() const {
  if (!Image) return std::nullopt;
  const int cx = static_cast<int>(GetX()), cy = static_cast<int>(GetY());
  // Rings of growing size around the centre, so the spot sits well inside the label.
  for (int ring = 0; ring < std::max(widthh, heighth); ++ring) {
    for (int dy = -ring; dy <= ring; ++dy) {
      for (int dx = -ring; dx <= ring; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
        const float px = static_cast<float>(cx + dx), py = static_cast<float>(cy + dy);
        if (UnderPointer(px, py)) return std::pair{cx + dx, cy + dy};
      }
    }
  }
  return std::nullopt;
}

}  // namespace tolvex
