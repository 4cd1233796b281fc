#pragma once
// The draw calls of one recorded frame, kept so the same pixels can be drawn again with
// bare SDL calls: the time of that replay is the cost of drawing alone.
#include <SDL_render.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/DrawCalls.h"

namespace tolvex {

// One recorded call. Textures and sprites are referred to, not kept: whatever the frame
// drew must still exist when the list is replayed. A Part call draws nothing: it starts a part
// of the frame whose drawing is timed apart (see DrawBands).
struct DrawRecord {
  enum class Kind : std::uint8_t { Copy, CopyEx, Geometry, FillRects, Line, Point, Clear, Clip, Spans, Turned, Part };
  Kind kind = Kind::Copy;
  SDL_Texture* texture = nullptr;
  const SpriteSpans* sprite = nullptr;
  // A turned copy's picture: its first pixel, and pixels from one row to the next.
  const std::uint32_t* pixels = nullptr;
  int stride = 0;
  bool smooth = false;
  // Blend mode and modulation of a texture, or blend mode and colour of a primitive.
  TextureLook look;
  SDL_Rect source{};
  SDL_FRect target{};
  double angle = 0;
  SDL_FPoint centre{};
  SDL_RendererFlip flip = SDL_FLIP_NONE;
  bool clipped = false;
  // Where the call's vertices, indices or rectangles lie in the list's side arrays.
  int first = 0, count = 0, firstIndex = 0, indexCount = 0;
  // The screen rows [top, bottom) a span or turned copy may write.
  int top = 0, bottom = 0;
};

// The vertices, indices and rectangles a record points into.
struct DrawData {
  std::span<const SDL_Vertex> vertices;
  std::span<const int> indices;
  std::span<const SDL_FRect> rects;
};

// Makes one call with bare SDL calls (and the span writer for software sprites); the game
// and a replay both draw through it, so a replay repeats exactly what the game did.
void IssueDraw(SDL_Renderer* renderer, const DrawRecord& record, const DrawData& data);
// Writes a Spans, Turned or Clear call straight into a software back buffer, only inside area
// (which, for a clear, is not cut to the clip): what IssueDraw writes there, written without SDL,
// so two threads may each write their own area at once.
void WriteIntoArea(SDL_Surface& target, const SDL_Rect& area, const DrawRecord& record);

class DrawList {
 public:
  void Clear();
  void Add(const DrawRecord& record) { records_.push_back(record); }
  // Adds a record whose vertices and indices are copied into the list.
  void AddGeometry(DrawRecord record, std::span<const SDL_Vertex> vertices, std::span<const int> indices);
  // Adds a record whose rectangles are copied into the list.
  void AddRects(DrawRecord record, std::span<const SDL_FRect> rects);
  std::size_t Calls() const { return records_.size(); }
  const std::vector<DrawRecord>& Records() const { return records_; }

  // Draws every call again on the renderer, in order (on both threads where the game draws so).
  void Replay(SDL_Renderer* renderer) const;

 private:
  std::vector<DrawRecord> records_;
  std::vector<SDL_Vertex> vertices_;
  std::vector<int> indices_;
  std::vector<SDL_FRect> rects_;
};

}  // namespace tolvex
