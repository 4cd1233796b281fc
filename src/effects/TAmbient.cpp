#include "effects/TAmbient.h"

#include "core/Globals.h"

namespace tolvex {

namespace {

enum FadeMode : std::uint8_t { kNoFade = 0, kFadeIn = 1, kFadeOut = 2 };

std::unique_ptr<TList<TAmbient>>& ActiveSlot() {
  static std::unique_ptr<TList<TAmbient>> active = std::make_unique<TList<TAmbient>>();
  return active;
}

}  // namespace

TList<TAmbient>& TAmbient::ActiveList() { return *ActiveSlot(); }

void TAmbient::ResetActiveList() { ActiveSlot() = std::make_unique<TList<TAmbient>>(); }

void TAmbient::Update() {
  for (const auto& ambient : ActiveList()) {
    if (ambient->Active) ambient->Process();
  }
}

void TAmbient::DrawLayers(std::uint8_t level) {
  for (const auto& ambient : ActiveList()) {
    if (!ambient->Active) continue;
    for (const auto& layer : ambient->Layers) layer->Draw(level, ambient->Viewpower);
  }
}

bool TAmbient::BackdropCoversScreen() {
  for (const auto& ambient : ActiveList()) {
    if (!ambient->Active) continue;
    for (const auto& layer : ambient->Layers) {
      if (layer->CoversScreen(0, ambient->Viewpower)) return true;
    }
  }
  return false;
}

std::shared_ptr<TAmbient> TAmbient::Create() { return std::make_shared<TAmbient>(); }

std::shared_ptr<TAmbient_Layer> TAmbient::AddLayer(ImagePtr image, int color, float alpha, std::uint8_t blend,
                                                   std::uint8_t level, float z, float posX, float posY,
                                                   bool notTiled, float speedX, float speedY) {
  return TAmbient_Layer::Create(*this, std::move(image), color, alpha, blend, level, z, posX, posY, notTiled,
                                speedX, speedY);
}

void TAmbient::Process() {
  AdvanceFade();
  // Every active ambient scrolls all layers, so during a cross-fade they scroll twice per frame.
  for (const auto& ambient : ActiveList()) {
    for (const auto& layer : ambient->Layers) layer->Process();
  }
}

void TAmbient::AdvanceFade() {
  if (FadeInOrOut == kNoFade) return;
  Fadetime -= FrameTime;
  // A fade of no length ends at once instead of dividing by zero.
  const float left = Fadetimemax > 0 ? static_cast<float>(Fadetime) / static_cast<float>(Fadetimemax) : 0.0f;
  if (FadeInOrOut == kFadeIn) {
    Viewpower = 1 - left;
    if (Fadetime <= 0) {
      FadeInOrOut = kNoFade;
      Viewpower = 1;
    }
  } else if (FadeInOrOut == kFadeOut) {
    Viewpower = left;
    if (Fadetime <= 0) {
      FadeInOrOut = kNoFade;
      Viewpower = 0;
      Active = false;
      Remove();
    }
  }
}

void TAmbient::FadeInOut(std::uint8_t mode, int time) {
  if (mode == kFadeIn) {
    // One still fading out keeps its place in the list: listed twice it would be drawn
    // and scrolled twice and could never leave.
    if (!_link || !_link->Linked()) _link = ActiveList().AddLast(shared_from_this());
    Active = true;
  }
  FadeInOrOut = mode;
  Fadetime = Fadetimemax = time;
}

void TAmbient::Remove() {
  if (_link) _link->Remove();
}

}  // namespace tolvex
