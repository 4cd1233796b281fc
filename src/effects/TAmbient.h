#pragma once
// A complete space backdrop: a stack of layers that fades in and out as a whole.
#include <cstdint>
#include <memory>

#include "core/TList.h"
#include "effects/TAmbient_Layer.h"

namespace tolvex {

class TAmbient : public std::enable_shared_from_this<TAmbient> {
 public:
  // Processes every active ambient in the active list (fades and scrolling).
  static void Update();
  // Draws the layers of one drawing pass (0, 1 or 2) of every active ambient.
  static void DrawLayers(std::uint8_t level);
  // True when a layer of the first drawing pass paints every pixel of the screen opaque, so that
  // clearing the screen before it would be wasted work.
  static bool BackdropCoversScreen();
  // A new, inactive ambient without layers.
  static std::shared_ptr<TAmbient> Create();
  // The ambients being shown or faded, in the order they were activated.
  static TList<TAmbient>& ActiveList();
  // Empties the active list (tests start from a fresh game).
  static void ResetActiveList();

  // Appends a layer; see TAmbient_Layer::Create.
  std::shared_ptr<TAmbient_Layer> AddLayer(ImagePtr image, int color, float alpha, std::uint8_t blend,
                                           std::uint8_t level, float z, float posX, float posY, bool notTiled,
                                           float speedX, float speedY);
  // Advances the fade, then scrolls the layers of every ambient in the active list.
  void Process();
  // Mode 1 fades in (and activates, joining the active list once), mode 2 fades out, over time milliseconds.
  void FadeInOut(std::uint8_t mode, int time);
  // Leaves the active list.
  void Remove();

  bool Active = false;
  // Visibility of all layers, 0..1.
  float Viewpower = 0;
  TList<TAmbient_Layer> Layers;
  std::shared_ptr<TLink<TAmbient>> _link;
  // 0 none, 1 fading in, 2 fading out.
  std::uint8_t FadeInOrOut = 0;
  int Fadetime = 0;
  int Fadetimemax = 0;

 private:
  void AdvanceFade();
};
using TAmbientPtr = std::shared_ptr<TAmbient>;

}  // namespace tolvex
