#include "EffectsTestEnv.h"

#include "core/Globals.h"
#include "effects/ParticleEngine.h"
#include "effects/TAmbient.h"
#include "effects/TBGObject.h"
#include "platform/Clock.h"
#include "platform/Graphics.h"

namespace tolvex::test {

void EffectsTest::SetUp() {
  ResetShellGlobals();
  ResetParticleEngine();
  TAmbient::ResetActiveList();
  TBGObject::ResetList();
  ResetDrawState();
  SeedRandom(7);
  SetFrame(16);
}

void EffectsTest::TearDown() {
  ResetParticleEngine();
  TAmbient::ResetActiveList();
  TBGObject::ResetList();
  CloseScreen();
}

void EffectsTest::SetFrame(int ms) {
  FrameTime = ms;
  FrameRate = 1000.0f / static_cast<float>(ms);
}

void EffectsTest::OpenScreen(int width, int height) {
  ASSERT_TRUE(OpenHeadlessScreen(width, height));
  GfxWidth = width;
  GfxHeight = height;
  ResetDrawState();
  Cls();
}

ImagePtr EffectsTest::SolidImage(int width, int height, std::uint32_t argb) {
  Pixmap pixmap(width, height);
  for (auto& pixel : pixmap.pixels) pixel = argb;
  return CreateImageFromPixmap(std::move(pixmap));
}

std::uint32_t EffectsTest::ScreenPixel(int x, int y) {
  const Pixmap grab = GrabPixmap(x, y, 1, 1);
  return grab.pixels.at(0);
}

}  // namespace tolvex::test
