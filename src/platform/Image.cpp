#include "platform/Image.h"

#include <SDL.h>
#include <png.h>

#include <algorithm>
#include <array>

#include "platform/BinaryFiles.h"
#include "platform/DrawBands.h"
#include "platform/EmbeddedFiles.h"
#include "platform/Files.h"
#include "platform/RendererSession.h"
#include "platform/SpriteSpans.h"
#include "platform/StretchedCopy.h"
#include "platform/TurnedCopy.h"

namespace tolvex {

// A texture and the renderer session it belongs to.
struct Image::TextureSlot {
  SDL_Texture* texture = nullptr;
  int generation = -1;
  ~TextureSlot() {
    if (texture && generation == RendererGeneration()) SDL_DestroyTexture(texture);
  }
};

// Scaled parts by where they come from and their size, with the last time each was drawn.
struct Image::ScaledParts {
  // Enough for every size a piece of wreckage passes through in the frames a part stays in use.
  static constexpr std::size_t kKept = 64;
  struct Entry {
    std::array<int, 6> key{};
    ScaledPart part;
    std::uint64_t lastDrawn = 0;  // KeptCallsDrawn() when last asked for
  };
  std::vector<std::unique_ptr<Entry>> entries;

  // Room for one more: the part longest unused goes, unless calls still waiting to be drawn use it.
  void MakeRoom() {
    if (entries.size() < kKept) return;
    const std::uint64_t drawn = KeptCallsDrawn();
    auto oldest = entries.end();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
      if ((*it)->lastDrawn < drawn && (oldest == entries.end() || (*it)->lastDrawn < (*oldest)->lastDrawn)) oldest = it;
    }
    if (oldest != entries.end()) entries.erase(oldest);
  }
};

namespace {

// The box of a picture's pixels that are not fully transparent.
void FindVisibleBox(ScaledPart& part) {
  const Pixmap& pixels = part.pixels;
  int left = pixels.width, right = 0, top = pixels.height, bottom = 0;
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      if ((pixels.At(x, y) >> 24) == 0) continue;
      left = std::min(left, x), right = std::max(right, x + 1);
      top = std::min(top, y), bottom = std::max(bottom, y + 1);
    }
  }
  if (left >= right) return;
  part.visibleX = left, part.visibleY = top, part.visibleWidth = right - left, part.visibleHeight = bottom - top;
}

}  // namespace

Image::Image(Pixmap strip, int frameWidth, int frameHeight, int firstFrame, int frameCount)
    : strip_(std::move(strip)),
      frameWidth_(std::max(1, frameWidth)),
      frameHeight_(std::max(1, frameHeight)),
      firstFrame_(std::max(0, firstFrame)),
      frameCount_(std::max(1, frameCount)),
      framesPerRow_(std::max(1, strip_.width / frameWidth_)),
      masks_(static_cast<std::size_t>(frameCount_)) {}

Image::~Image() = default;

int Image::FrameLeft(int frame) const { return ((firstFrame_ + frame) % framesPerRow_) * frameWidth_; }
int Image::FrameTop(int frame) const { return ((firstFrame_ + frame) / framesPerRow_) * frameHeight_; }

std::uint32_t Image::Pixel(int frame, int x, int y) const {
  if (frame < 0 || frame >= frameCount_ || x < 0 || y < 0 || x >= frameWidth_ || y >= frameHeight_) return 0;
  const int sx = FrameLeft(frame) + x, sy = FrameTop(frame) + y;
  if (sx >= strip_.width || sy >= strip_.height) return 0;
  return strip_.At(sx, sy);
}

void Image::BuildMask(SolidMask& mask, int frame) const {
  mask.width = frameWidth_;
  mask.height = frameHeight_;
  mask.wordsPerRow = (frameWidth_ + 63) / 64;
  mask.bits.assign(static_cast<std::size_t>(mask.wordsPerRow) * frameHeight_, 0);
  mask.left = frameWidth_, mask.top = frameHeight_;
  for (int y = 0; y < frameHeight_; ++y) {
    for (int x = 0; x < frameWidth_; ++x) {
      const bool solid = (Pixel(frame, x, y) >> 24) >= 128;
      if (!solid) continue;
      mask.bits[static_cast<std::size_t>(y) * mask.wordsPerRow + static_cast<std::size_t>(x >> 6)] |= std::uint64_t{1} << (x & 63);
      mask.left = std::min(mask.left, x), mask.right = std::max(mask.right, x + 1);
      mask.top = std::min(mask.top, y), mask.bottom = std::max(mask.bottom, y + 1);
    }
  }
  if (mask.right == 0) mask.left = mask.top = 0;
}

const SpriteSpans& Image::Spans() const {
  if (!spans_) {
    const int left = FrameLeft(0), top = FrameTop(0);
    const int width = std::max(0, std::min(frameWidth_, strip_.width - left));
    const int height = std::max(0, std::min(frameHeight_, strip_.height - top));
    const std::uint32_t* first =
        width > 0 && height > 0 ? &strip_.pixels[static_cast<std::size_t>(top) * strip_.width + left] : nullptr;
    spans_ = std::make_unique<SpriteSpans>(first, strip_.width, width, height);
  }
  return *spans_;
}

const ScaledPart* Image::Scaled(int x, int y, int width, int height, int toWidth, int toHeight) const {
  const bool inside = x >= 0 && y >= 0 && width > 0 && height > 0 && x + width <= strip_.width &&
                      y + height <= strip_.height;
  const PixelRect part{inside ? &strip_.pixels[static_cast<std::size_t>(y) * strip_.width + x] : nullptr, strip_.width,
                       width, height};
  if (!inside || !CanStretch(part, toWidth, toHeight)) return nullptr;
  if (!scaled_) scaled_ = std::make_unique<ScaledParts>();
  const std::array<int, 6> key{x, y, width, height, toWidth, toHeight};
  for (const auto& entry : scaled_->entries) {
    if (entry->key != key) continue;
    entry->lastDrawn = KeptCallsDrawn();
    return &entry->part;
  }
  scaled_->MakeRoom();
  auto entry = std::make_unique<ScaledParts::Entry>();
  entry->key = key;
  entry->lastDrawn = KeptCallsDrawn();
  entry->part.pixels = Pixmap(toWidth, toHeight);
  StretchPicture(part, entry->part.pixels);
  FindVisibleBox(entry->part);
  scaled_->entries.push_back(std::move(entry));
  return &scaled_->entries.back()->part;
}

const std::vector<VisibleBand>& Image::VisibleBands() const {
  if (bands_) return *bands_;
  constexpr int kBandRows = 32;
  bands_ = std::make_unique<std::vector<VisibleBand>>();
  const SpriteSpans& spans = Spans();
  for (int top = 0; top < spans.Height(); top += kBandRows) {
    const int bottom = std::min(top + kBandRows, spans.Height());
    int left = spans.Width(), right = 0;
    for (int y = top; y < bottom; ++y) {
      const SpriteSpans::Span span = spans.RowSpan(y);
      if (span.begin < span.end) left = std::min(left, span.begin), right = std::max(right, span.end);
    }
    if (left >= right) continue;
    bool opaque = true;
    for (int y = top; y < bottom && opaque; ++y) {
      const SpriteSpans::Span span = spans.RowSpan(y);
      opaque = span.begin == left && span.end == right;
      for (int x = left; x < right && opaque; ++x) opaque = (*spans.At(x, y) >> 24) == 255;
    }
    bands_->push_back(VisibleBand{left, top, right - left, bottom - top, opaque});
  }
  return *bands_;
}

namespace {

SDL_Texture* Upload(SDL_Renderer* renderer, const Pixmap& pixels) {
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                           pixels.width, pixels.height);
  if (!texture) return nullptr;
  SDL_UpdateTexture(texture, nullptr, pixels.pixels.data(), pixels.width * 4);
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
  return texture;
}

SDL_Texture* SlotTexture(std::unique_ptr<Image::TextureSlot>& slot, SDL_Renderer* renderer,
                         const auto& makePixels) {
  if (!renderer) return nullptr;
  if (!slot || slot->generation != RendererGeneration()) {
    slot = std::make_unique<Image::TextureSlot>();
    slot->generation = RendererGeneration();
    slot->texture = Upload(renderer, makePixels());
  }
  return slot->texture;
}

}  // namespace

SDL_Texture* Image::Texture(SDL_Renderer* renderer) const {
  return SlotTexture(texture_, renderer, [this]() -> const Pixmap& { return strip_; });
}

SDL_Texture* Image::MaskTexture(SDL_Renderer* renderer) const {
  return SlotTexture(maskTexture_, renderer, [this] {
    Pixmap solid = strip_;
    for (auto& pixel : solid.pixels) pixel = (pixel >> 24) >= 128 ? (pixel | 0xFF000000u) : 0u;
    return solid;
  });
}

namespace {

std::vector<unsigned char> ReadWholeFile(std::string_view path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

PixmapPtr LoadPixmap(std::string_view url) {
  if (IsEmbeddedUrl(url)) {
    const auto bytes = FindEmbeddedFile(url);
    return bytes ? DecodeImageFile(*bytes) : nullptr;
  }
  const auto bytes = ReadWholeFile(url);
  return DecodeImageFile(bytes);
}

ImagePtr LoadImageStrip(std::string_view url, int frameWidth, int frameHeight, int firstFrame, int frameCount,
                        int) {
  auto pixmap = LoadPixmap(url);
  if (!pixmap) return nullptr;
  return std::make_shared<Image>(std::move(*pixmap), frameWidth, frameHeight, firstFrame, frameCount);
}

ImagePtr LoadImage(std::string_view url, int) {
  auto pixmap = LoadPixmap(url);
  if (!pixmap) return nullptr;
  return CreateImageFromPixmap(std::move(*pixmap));
}

ImagePtr CreateImageFromPixmap(Pixmap pixmap) {
  const int w = pixmap.width, h = pixmap.height;
  return std::make_shared<Image>(std::move(pixmap), w, h, 0, 1);
}

void CentreHandle(const ImagePtr& image) {
  if (image) image->SetHandle(static_cast<float>(image->Width() / 2), static_cast<float>(image->Height() / 2));
}

void SetHandle(const ImagePtr& image, float x, float y) {
  if (image) image->SetHandle(x, y);
}

int ImageWidth(const ImagePtr& image) { return image ? image->Width() : 0; }
int ImageHeight(const ImagePtr& image) { return image ? image->Height() : 0; }

std::uint32_t ReadPixel(const PixmapPtr& picture, int x, int y) {
  if (!picture || x < 0 || y < 0 || x >= picture->width || y >= picture->height) return 0;
  return picture->At(x, y);
}

namespace {

// libpng writes the encoded picture here.
void AppendPngBytes(png_structp png, png_bytep data, png_size_t length) {
  auto& bytes = *static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  bytes.insert(bytes.end(), data, data + length);
}

// The PNG file of a picture; empty when it cannot be encoded.
std::vector<std::uint8_t> EncodePng(const Pixmap& picture, int level) {
  std::vector<std::uint8_t> bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<unsigned char> row(static_cast<std::size_t>(picture.width) * 4);
  if (info && !setjmp(png_jmpbuf(png))) {
    png_set_write_fn(png, &bytes, AppendPngBytes, nullptr);
    png_set_compression_level(png, std::clamp(level, 0, 9));
    png_set_IHDR(png, info, picture.width, picture.height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const std::uint32_t p = picture.At(x, y);
        unsigned char* out = &row[static_cast<std::size_t>(x) * 4];
        out[0] = (p >> 16) & 255, out[1] = (p >> 8) & 255, out[2] = p & 255, out[3] = p >> 24;
      }
      png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
  } else {
    bytes.clear();
  }
  png_destroy_write_struct(&png, info ? &info : nullptr);
  return bytes;
}

}  // namespace

bool SavePicturePng(const Pixmap& picture, std::string_view path, int level) {
  // Encoded whole before the file is touched, then put in place in one step: a full disk or a
  // folder in the way leaves no half picture behind and no older file cut short.
  const std::vector<std::uint8_t> bytes = EncodePng(picture, level);
  return !bytes.empty() && ReplaceFile(path, bytes);
}

}  // namespace tolvex
