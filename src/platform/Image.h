#pragma once
// Images (drawable, with frames and a handle) and pictures (CPU pixel arrays).
#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

struct SDL_Texture;
struct SDL_Renderer;

namespace tolvex {

class SpriteSpans;

// A CPU-side picture: 32-bit ARGB pixels (straight alpha), row by row.
struct Pixmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Pixmap() = default;
  Pixmap(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0u) {}
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
using PixmapPtr = std::shared_ptr<Pixmap>;

// A band of rows of a frame cut down to the columns where anything is visible, and whether
// every pixel in it is opaque.
struct VisibleBand {
  int x = 0, y = 0, width = 0, height = 0;
  bool opaque = false;
};

// A part of an image scaled to another size (see Image::Scaled), and the box of its pixels where
// anything shows (empty when nothing does).
struct ScaledPart {
  Pixmap pixels;
  int visibleX = 0, visibleY = 0, visibleWidth = 0, visibleHeight = 0;
};

// Which pixels of one frame are solid (alpha >= 128), one bit per pixel, so that the masks of
// every ship a fight tests against stay in the cache; built once per frame and used by the
// pixel-exact overlap test.
struct SolidMask {
  int width = 0;
  int height = 0;
  int wordsPerRow = 0;
  std::vector<std::uint64_t> bits;
  // The smallest box [left, right) × [top, bottom) holding every solid pixel; empty when none is.
  int left = 0, top = 0, right = 0, bottom = 0;
  bool At(int x, int y) const {
    return (bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(wordsPerRow) + static_cast<std::size_t>(x >> 6)] >> (x & 63)) & 1u;
  }
};

// A drawable image: one or more frames of equal size cut from a strip, a
// handle point, and the decoded pixels kept for reads, gradients and hit tests.
class Image {
 public:
  // Frames are cut left to right, row by row, from the strip's pixels.
  Image(Pixmap strip, int frameWidth, int frameHeight, int firstFrame, int frameCount);
  ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  int Width() const { return frameWidth_; }
  int Height() const { return frameHeight_; }
  int FrameCount() const { return frameCount_; }
  float HandleX() const { return handleX_; }
  float HandleY() const { return handleY_; }
  void SetHandle(float x, float y) { handleX_ = x; handleY_ = y; }

  // The decoded strip all frames are cut from.
  const Pixmap& Strip() const { return strip_; }
  // ARGB of pixel (x, y) of a frame; 0 outside the frame.
  std::uint32_t Pixel(int frame, int x, int y) const;
  // The solid-pixel mask of a frame (built on first use). Inline: every hit test asks for two.
  const SolidMask& Mask(int frame) const {
    SolidMask& mask = masks_[static_cast<std::size_t>(std::clamp(frame, 0, frameCount_ - 1))];
    if (mask.width == 0) BuildMask(mask, frame);
    return mask;
  }
  // Frame 0 as rows of visible pixels, for writing into a software back buffer (built on first use).
  const SpriteSpans& Spans() const;
  // Frame 0 in bands of rows, each cut to its visible columns, fully see-through bands left
  // out (built on first use): a backdrop drawn band by band fills only what can be seen.
  const std::vector<VisibleBand>& VisibleBands() const;
  // The part (x, y, width, height) of the strip scaled to toWidth × toHeight, as SDL's software
  // renderer scales a copy before it turns it (see StretchedCopy). Made on first use and kept
  // while it is used: a piece of wreckage falling away shrinks through its sizes a pixel at a
  // time. Null where SDL must scale the part itself (a side of one pixel, or no size at all).
  const ScaledPart* Scaled(int x, int y, int width, int height, int toWidth, int toHeight) const;
  // The strip position of a frame's top-left pixel.
  int FrameLeft(int frame) const;
  int FrameTop(int frame) const;

  // The texture holding the whole strip, created on first use for the
  // current renderer; the mask variant keeps only solid pixels (blend mode 1).
  SDL_Texture* Texture(SDL_Renderer* renderer) const;
  SDL_Texture* MaskTexture(SDL_Renderer* renderer) const;

  // A texture tied to the renderer it was made for (opaque outside Image.cpp).
  struct TextureSlot;
  // The scaled parts kept (opaque outside Image.cpp).
  struct ScaledParts;

 private:
  Pixmap strip_;
  int frameWidth_, frameHeight_, firstFrame_, frameCount_, framesPerRow_;
  float handleX_ = 0, handleY_ = 0;
  void BuildMask(SolidMask& mask, int frame) const;
  mutable std::vector<SolidMask> masks_;
  mutable std::unique_ptr<TextureSlot> texture_, maskTexture_;
  mutable std::unique_ptr<SpriteSpans> spans_;
  mutable std::unique_ptr<std::vector<VisibleBand>> bands_;
  mutable std::unique_ptr<ScaledParts> scaled_;
};
using ImagePtr = std::shared_ptr<Image>;

// Decodes PNG or JPEG bytes; nothing for data that is not a whole, valid image.
std::shared_ptr<Pixmap> DecodeImageFile(std::span<const unsigned char> bytes);

// Loads an image from a file path or an "incbin::" name; null when it cannot
// be read. flags −1 are the default flags (smooth filtering).
ImagePtr LoadImage(std::string_view url, int flags = -1);
// Loads a strip and cuts frameCount frames of the given size from firstFrame on.
ImagePtr LoadImageStrip(std::string_view url, int frameWidth, int frameHeight, int firstFrame,
                        int frameCount, int flags = -1);
// An image made from a picture already in memory (one frame).
ImagePtr CreateImageFromPixmap(Pixmap pixmap);

void CentreHandle(const ImagePtr& image);
void SetHandle(const ImagePtr& image, float x, float y);
int ImageWidth(const ImagePtr& image);
int ImageHeight(const ImagePtr& image);

// Loads a picture; null when the file cannot be read.
PixmapPtr LoadPixmap(std::string_view url);
// ARGB of a picture's pixel; 0 outside it or for a missing picture.
std::uint32_t ReadPixel(const PixmapPtr& picture, int x, int y);
// Saves a picture as PNG with a compression level 0..9, replacing the file in one step; false (the
// file as it was) on failure.
bool SavePicturePng(const Pixmap& picture, std::string_view path, int level);

}  // namespace tolvex
