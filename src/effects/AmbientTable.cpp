#include "effects/AmbientTable.h"

#include <map>
#include <string>
#include <string_view>

#include "core/Globals.h"

namespace tolvex {

std::array<TAmbientPtr, kAmbientCount> Ambients;

namespace {

constexpr int kWhite = 0xFFFFFF;

constexpr int Rgb(int r, int g, int b) { return r * 65536 + g * 256 + b; }

// Loads each backdrop image once, however many layers show it.
class BackdropImages {
 public:
  ImagePtr Get(std::string_view file) {
    auto& slot = images_[std::string(file)];
    if (!slot) slot = LoadImage("incbin::..\\gfx\\" + std::string(file));
    return slot;
  }

 private:
  std::map<std::string, ImagePtr> images_;
};

// A tiled layer at position (0, 0).
void Tiled(TAmbient& ambient, const ImagePtr& image, int color, float alpha, std::uint8_t blend,
           std::uint8_t level, float z, float speedX = 0, float speedY = 0) {
  ambient.AddLayer(image, color, alpha, blend, level, z, 0, 0, false, speedX, speedY);
}

// A single image (a planet) at a fixed offset, drawn with alpha 1 and alpha blending in pass 0
// unless told otherwise.
void Single(TAmbient& ambient, const ImagePtr& image, float z, float x, float y, std::uint8_t level = 0) {
  ambient.AddLayer(image, kWhite, 1, 3, level, z, x, y, true, 0, 0);
}

void CreateAmbient0(TAmbient& a, BackdropImages& img) {
  Tiled(a, img.Get("BG.jpg"), kWhite, 1, 3, 0, 1000);
  Tiled(a, img.Get("bg1alter.png"), kWhite, 1, 3, 2, 1, 30, -30);
  Tiled(a, img.Get("bg1alter2.png"), kWhite, 1, 3, 2, 1.2f, -30, 30);
  Single(a, img.Get("Planet2.png"), 200, 800, 600);
  Single(a, img.Get("Hubble.png"), 180, 860, 640, 1);
}

void CreateAmbient1(TAmbient& a, BackdropImages& img, float h) {
  Tiled(a, img.Get("BG5.jpg"), kWhite, 1, 3, 0, 1000);
  Tiled(a, img.Get("bg1alter.png"), Rgb(184, 244, 0), 0.2f, 3, 1, 1, 70, 30);
  Tiled(a, img.Get("bg1alter3.png"), Rgb(244, 109, 0), 0.3f, 3, 1, 1.2f, -30, -40);
  Single(a, img.Get("Planet1.png"), 200, 0, h - 340);
  Single(a, img.Get("Planet3.png"), 100, 200, h - 240);
}

void CreateAmbient2(TAmbient& a, BackdropImages& img) {
  Tiled(a, img.Get("BG2.png"), kWhite, 1, 3, 0, 1000);
  Single(a, img.Get("Planet1.png"), 200, 500, 500);
  Single(a, img.Get("Planet1.png"), 150, 250, 500);
  Tiled(a, img.Get("bg1alter.png"), Rgb(255, 93, 5), 1, 4, 1, 1);
  Tiled(a, img.Get("bg1alter2.png"), Rgb(255, 66, 41), 1, 4, 1, 1.2f);
}

void CreateAmbient3(TAmbient& a, BackdropImages& img, float w, float h) {
  Tiled(a, img.Get("BG3.jpg"), kWhite, 1, 3, 0, 1000);
  Single(a, img.Get("Planet5.png"), 200, 200, 300);
  Single(a, img.Get("Planet6.png"), 150, w / 2, h - 200);
  Single(a, img.Get("Planet7.png"), 350, w - 50, h - 100);
  Tiled(a, img.Get("bg1alter.png"), Rgb(255, 93, 5), 1, 4, 1, 1);
  Tiled(a, img.Get("bg1alter2.png"), Rgb(255, 66, 41), 1, 4, 1, 1.2f);
}

void CreateAmbient4(TAmbient& a, BackdropImages& img) {
  const auto halfW = static_cast<float>(GfxWidth / 2);
  const auto halfH = static_cast<float>(GfxHeight / 2);
  Tiled(a, img.Get("BG4.jpg"), kWhite, 1, 3, 0, 1000);
  Tiled(a, img.Get("bg1alter.png"), Rgb(78, 255, 37), 1, 4, 1, 1);
  Tiled(a, img.Get("bg1alter3.png"), Rgb(83, 201, 255), 0.5f, 4, 2, 1.4f);
  Single(a, img.Get("Planet4.png"), 250, halfW, halfH);
  Single(a, img.Get("Planet8.png"), 150, halfW - 200, halfH - 150);
}

void CreateAmbient5(TAmbient& a, BackdropImages& img) {
  Tiled(a, img.Get("BG3.jpg"), kWhite, 1, 3, 0, 1000);
  Tiled(a, img.Get("Dust1.png"), kWhite, 1, 3, 1, 1);
  Tiled(a, img.Get("Dust2.png"), kWhite, 1, 3, 2, 1.4f);
  Single(a, img.Get("Planet3.png"), 300, 300, 200);
}

}  // namespace

void CreateAmbients() {
  BackdropImages images;
  const auto w = static_cast<float>(GfxWidth);
  const auto h = static_cast<float>(GfxHeight);
  for (auto& ambient : Ambients) ambient = TAmbient::Create();
  CreateAmbient0(*Ambients[0], images);
  CreateAmbient1(*Ambients[1], images, h);
  CreateAmbient2(*Ambients[2], images);
  CreateAmbient3(*Ambients[3], images, w, h);
  CreateAmbient4(*Ambients[4], images);
  CreateAmbient5(*Ambients[5], images);
}

}  // namespace tolvex
