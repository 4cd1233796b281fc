#include "shell/Screenshots.h"

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "platform/Files.h"
#include "platform/Graphics.h"

namespace tolvex {

namespace {
std::string ScreenshotName(int number) { return ScreenshotDir + "pic" + std::to_string(number) + ".png"; }
}  // namespace

std::string TakeScreenshot() {
  SetAlpha(1);
  SetColor(255, 255, 255);
  SetScale(1, 1);
  SetRotation(0);
  SetBlend(kBlendAlpha);
  const Pixmap picture = GrabPixmap(0, 0, GfxWidth, GfxHeight);
  // The counter stays on the saved number: the next shot tries it first, finds it taken and moves on.
  while (PathKind(ScreenshotName(ScreenshotCounter)) != 0) ++ScreenshotCounter;
  const std::string name = ScreenshotName(ScreenshotCounter);
  if (SavePicturePng(picture, name, 5)) return name;
  WriteDebugLine("Screenshot not saved: " + name + " cannot be written");
  return "";
}

ImagePtr PickStartupBackground() {
  std::vector<std::string> pictures;
  for (const auto& name : ListFolder(ScreenshotDir)) {
    if (PathKind(ScreenshotDir + name) == 1 && FileExtension(name) == "png") pictures.push_back(name);
  }
  if (pictures.empty()) return nullptr;
  // Drawn apart from the game's own random numbers: how many pictures the folder holds must not
  // change how a seeded game plays, or a replay would go another way once a screenshot was added.
  RandomSource dice;
  dice.Seed(RandomSeed() ^ 0x5C4EE115u);
  const int pick = dice.Int(1, static_cast<int>(pictures.size()));
  return LoadImage(ScreenshotDir + pictures[static_cast<std::size_t>(pick - 1)]);
}

}  // namespace tolvex
