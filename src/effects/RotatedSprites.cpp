#include "effects/RotatedSprites.h"

#include <algorithm>
#include <cmath>

#include "platform/Clock.h"
#include "platform/Graphics.h"
#include "platform/RendererSession.h"

namespace tolvex {

namespace {

// FNV-1a over frame 0's pixels.
std::uint64_t PixelHash(const Image& image) {
  std::uint64_t hash = 14695981039346656037ull;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) hash = (hash ^ image.Pixel(0, x, y)) * 1099511628211ull;
  }
  return hash;
}

// Frame 0's pixels as Image::Pixel reads them (0 outside the frame), straight from the strip:
// a sprite's 360 turns read millions of them the first time it is drawn.
class FrameReader {
 public:
  explicit FrameReader(const Image& image)
      : strip_(image.Strip()),
        left_(image.FrameLeft(0)),
        top_(image.FrameTop(0)),
        width_(image.FrameCount() > 0 ? std::max(0, std::min(image.Width(), strip_.width - left_)) : 0),
        height_(image.FrameCount() > 0 ? std::max(0, std::min(image.Height(), strip_.height - top_)) : 0) {}

  std::uint32_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return strip_.At(left_ + x, top_ + y);
  }

 private:
  const Pixmap& strip_;
  int left_, top_, width_, height_;
};

// The columns [first, end) of a turned row whose centres may land inside the picture.
struct ColumnRange {
  int first, end;

  // Keeps the columns x at which start + x · step may lie in [0, size), worked out in doubles with
  // a margin far wider than the float arithmetic of the turn can stray, and a column to spare.
  void Keep(double start, double step, float size) {
    constexpr double kMargin = 0.01;
    const double low = -kMargin - start, high = static_cast<double>(size) + kMargin - start;
    if (step == 0) {
      if (low > 0 || high < 0) end = first;
      return;
    }
    const double a = low / step, b = high / step;
    const auto column = [this](double x) { return static_cast<int>(std::clamp(x, -1.0, static_cast<double>(end))); };
    first = std::max(first, column(std::floor(std::min(a, b)) - 1));
    end = std::max(first, std::min(end, column(std::ceil(std::max(a, b)) + 2)));
  }
};

// std::floor for the positions a turn reads, far inside int's range, without a library call.
int FloorToInt(float value) {
  const int cut = static_cast<int>(value);
  return cut - (static_cast<float>(cut) > value ? 1 : 0);
}

}  // namespace

TurnedSprite::TurnedSprite(const ImagePtr& source, int degrees) : TurnedSprite(source, degrees, TurnImage(*source, degrees)) {}

TurnedSprite::TurnedSprite(ImagePtr source, int degrees, const ImagePtr& turned)
    : source_(std::move(source)),
      degrees_(degrees),
      spans_(turned->Strip().pixels.data(), turned->Width(), turned->Width(), turned->Height(),
             SpriteSpans::Storage::Copy),
      handleX_(turned->HandleX()),
      handleY_(turned->HandleY()) {}

const Image& TurnedSprite::Picture() const {
  if (!picture_) picture_ = TurnImage(*source_, degrees_);
  return *picture_;
}

RotatedSprites::Turns& RotatedSprites::TurnsOf(const ImagePtr& image) {
  // Fibonacci hashing of the address picks one of the recent slots.
  const auto address = reinterpret_cast<std::uintptr_t>(image.get());
  Recent& recent = recent_[(address * 0x9E3779B97F4A7C15ull) >> (64 - kRecentBits)];
  if (recent.image == image.get()) return *recent.turns;
  Turns*& turns = byImage_[image];
  if (!turns) {
    const Look look{image->Width(), image->Height(), image->HandleX(), image->HandleY(), PixelHash(*image)};
    turns = &byLook_[look];
    if (turns->empty()) turns->resize(360);
  }
  recent = {image.get(), turns};
  return *turns;
}

const TurnedSprite& RotatedSprites::Get(const ImagePtr& image, float degrees) {
  int whole = static_cast<int>(std::lround(degrees)) % 360;
  if (whole < 0) whole += 360;
  std::optional<TurnedSprite>& turn = TurnsOf(image)[static_cast<std::size_t>(whole)];
  if (!turn) turn.emplace(image, whole);
  return *turn;
}

ImagePtr TurnImage(const Image& image, int degrees) {
  const float c = CosDeg(static_cast<float>(degrees));
  const float s = SinDeg(static_cast<float>(degrees));
  const float hx = image.HandleX(), hy = image.HandleY();
  const float w = static_cast<float>(image.Width()), h = static_cast<float>(image.Height());
  // The turned corners, relative to the handle, give the size of the new picture.
  float minX = 0, minY = 0, maxX = 0, maxY = 0;
  bool first = true;
  for (const auto& [cx, cy] : {std::pair{0.0f, 0.0f}, {w, 0.0f}, {w, h}, {0.0f, h}}) {
    const float dx = cx - hx, dy = cy - hy;
    const float x = dx * c - dy * s, y = dx * s + dy * c;
    minX = first ? x : std::min(minX, x), maxX = first ? x : std::max(maxX, x);
    minY = first ? y : std::min(minY, y), maxY = first ? y : std::max(maxY, y);
    first = false;
  }
  // A little slack, so right angles do not grow a pixel from rounding errors.
  constexpr float kSlack = 1e-3f;
  const float left = std::floor(minX + kSlack), top = std::floor(minY + kSlack);
  Pixmap turned(static_cast<int>(std::ceil(maxX - kSlack) - left), static_cast<int>(std::ceil(maxY - kSlack) - top));
  const FrameReader frame(image);
  for (int y = 0; y < turned.height; ++y) {
    const float dy = static_cast<float>(y) + top + 0.5f;
    const float alongX = dy * s, alongY = dy * c;
    // Only the columns that may land inside the picture are read; the rest stay see-through.
    const double firstX = static_cast<double>(left) + 0.5;
    ColumnRange columns{0, turned.width};
    columns.Keep(hx + firstX * c + static_cast<double>(alongX), c, w);
    columns.Keep(hy - firstX * s + static_cast<double>(alongY), -static_cast<double>(s), h);
    for (int x = columns.first; x < columns.end; ++x) {
      // Back from the new pixel's centre into the original picture.
      const float dx = static_cast<float>(x) + left + 0.5f;
      const float sx = hx + dx * c + alongX, sy = hy - dx * s + alongY;
      turned.At(x, y) = frame.At(FloorToInt(sx), FloorToInt(sy));
    }
  }
  auto result = CreateImageFromPixmap(std::move(turned));
  result->SetHandle(-left, -top);
  return result;
}

bool DrawTurned(RotatedSprites& turns, const ImagePtr& image, float x, float y) {
  if (!image || !SoftwareTarget(ScreenRenderer())) return false;
  const float rotation = CurrentDrawState().rotation;
  if (std::fmod(rotation, 360.0f) == 0) return DrawSpans(image->Spans(), image->HandleX(), image->HandleY(), x, y);
  const TurnedSprite& turned = turns.Get(image, rotation);
  return DrawSpans(turned.Spans(), turned.HandleX(), turned.HandleY(), x, y);
}

}  // namespace tolvex
