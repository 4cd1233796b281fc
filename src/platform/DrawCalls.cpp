#include "platform/DrawCalls.h"

#include <algorithm>
#include <cstring>

#include "platform/DrawBands.h"
#include "platform/DrawList.h"
#include "platform/Graphics.h"
#include "platform/RendererSession.h"
#include "platform/SpriteSpans.h"
#include "platform/TurnedCopy.h"

namespace tolvex {

namespace {

DrawCounts counts;
const void* lastPicture = nullptr;
DrawList* recording = nullptr;

using Kind = DrawRecord::Kind;

// A texture, or a software sprite, that differs from the last one drawn is a switch.
void Count(const DrawRecord& record) {
  ++counts.calls;
  const void* picture = record.texture ? static_cast<const void*>(record.texture) : record.sprite;
  if (picture && picture != lastPicture) {
    ++counts.textureSwitches;
    lastPicture = picture;
  }
}

void PrepareTexture(SDL_Texture* texture, const TextureLook& look) {
  SDL_SetTextureBlendMode(texture, look.blend);
  SDL_SetTextureColorMod(texture, look.mod.r, look.mod.g, look.mod.b);
  SDL_SetTextureAlphaMod(texture, look.mod.a);
}

void PreparePrimitive(SDL_Renderer* renderer, const TextureLook& look) {
  SDL_SetRenderDrawBlendMode(renderer, look.blend);
  SDL_SetRenderDrawColor(renderer, look.mod.r, look.mod.g, look.mod.b, look.mod.a);
}

// The software back buffer, ready to be written straight into, and in area the part of it that
// may be drawn on (the clip, inside the buffer); null on a renderer that draws on a GPU.
SDL_Surface* WritableTarget(SDL_Renderer* renderer, SDL_Rect& area) {
  SDL_Surface* target = SoftwareTarget(renderer);
  if (!target) return nullptr;
  // Calls SDL still holds back must land first, or they would cover the pixels written now.
  SDL_RenderFlush(renderer);
  area = SDL_Rect{0, 0, target->w, target->h};
  if (SDL_RenderIsClipEnabled(renderer)) {
    SDL_Rect clip;
    SDL_RenderGetClipRect(renderer, &clip);
    SDL_IntersectRect(&area, &clip, &area);
  }
  return target;
}

// A span or turned copy written where the renderer's clip allows.
void WriteClipped(SDL_Renderer* renderer, const DrawRecord& record) {
  SDL_Rect area;
  if (SDL_Surface* target = WritableTarget(renderer, area)) WriteIntoArea(*target, area, record);
}

// Sixteen pixels of one colour, stored at once: a clear is the first write to each row of a frame.
using SixteenPixels = std::uint32_t __attribute__((vector_size(64)));

void FillRow(std::uint32_t* row, int n, std::uint32_t pixel) {
  const SixteenPixels block = SixteenPixels{} + pixel;
  int x = 0;
  for (; x + 16 <= n; x += 16) std::memcpy(row + x, &block, sizeof block);
  std::fill(row + x, row + n, pixel);
}

// The rows of area in the back buffer filled with one pixel, as SDL clears (to the pixel SDL
// maps the colour to in the back buffer's format).
void Fill(SDL_Surface& target, const SDL_Rect& area, SDL_Color colour) {
  const std::uint32_t pixel = SDL_MapRGBA(target.format, colour.r, colour.g, colour.b, colour.a);
  for (int y = area.y; y < area.y + area.h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(target.pixels) +
                                                 static_cast<std::ptrdiff_t>(y) * target.pitch);
    FillRow(row + area.x, area.w, pixel);
  }
}

// Records the call when a recording runs, and keeps it for the bands or makes it at once.
void Pass(SDL_Renderer* renderer, const DrawRecord& record, const DrawData& data = {}) {
  if (recording) {
    if (record.kind == Kind::Geometry) recording->AddGeometry(record, data.vertices, data.indices);
    else if (!data.rects.empty()) recording->AddRects(record, data.rects);
    else recording->Add(record);
  }
  if (!KeepForBands(renderer, record, data)) IssueDraw(renderer, record, data);
}

// Counts the call and passes it on.
void Draw(SDL_Renderer* renderer, const DrawRecord& record, const DrawData& data = {}) {
  Count(record);
  Pass(renderer, record, data);
}

}  // namespace

void WriteIntoArea(SDL_Surface& target, const SDL_Rect& area, const DrawRecord& record) {
  SDL_Rect inside{0, 0, target.w, target.h};
  if (!SDL_IntersectRect(&inside, &area, &inside)) return;
  const int x = static_cast<int>(record.target.x), y = static_cast<int>(record.target.y);
  switch (record.kind) {
    case Kind::Spans: BlitSpans(target, inside, *record.sprite, x, y, record.look); break;
    case Kind::Turned: {
      const PixelRect picture{record.pixels, record.stride, static_cast<int>(record.target.w),
                              static_cast<int>(record.target.h), record.source};
      BlitTurned(target, inside, picture, x, y, Turn{record.angle, record.centre, record.smooth}, record.look);
      break;
    }
    case Kind::Clear: Fill(target, inside, record.look.mod); break;
    default: break;
  }
}

void IssueDraw(SDL_Renderer* renderer, const DrawRecord& record, const DrawData& data) {
  switch (record.kind) {
    case Kind::Copy:
      PrepareTexture(record.texture, record.look);
      SDL_RenderCopyF(renderer, record.texture, &record.source, &record.target);
      break;
    case Kind::CopyEx:
      PrepareTexture(record.texture, record.look);
      SDL_RenderCopyExF(renderer, record.texture, &record.source, &record.target, record.angle, &record.centre,
                        record.flip);
      break;
    case Kind::Geometry:
      PrepareTexture(record.texture, record.look);
      SDL_RenderGeometry(renderer, record.texture, data.vertices.data(), static_cast<int>(data.vertices.size()),
                         data.indices.data(), static_cast<int>(data.indices.size()));
      break;
    case Kind::FillRects:
      PreparePrimitive(renderer, record.look);
      SDL_RenderFillRectsF(renderer, data.rects.data(), static_cast<int>(data.rects.size()));
      break;
    case Kind::Line:
      PreparePrimitive(renderer, record.look);
      SDL_RenderDrawLineF(renderer, record.target.x, record.target.y, record.target.w, record.target.h);
      break;
    case Kind::Point:
      PreparePrimitive(renderer, record.look);
      SDL_RenderDrawPointF(renderer, record.target.x, record.target.y);
      break;
    case Kind::Clear:
      SDL_SetRenderDrawColor(renderer, record.look.mod.r, record.look.mod.g, record.look.mod.b, record.look.mod.a);
      SDL_RenderClear(renderer);
      break;
    case Kind::Clip:
      SDL_RenderSetClipRect(renderer, record.clipped ? &record.source : nullptr);
      break;
    case Kind::Spans:
    case Kind::Turned: WriteClipped(renderer, record); break;
    case Kind::Part: break;
  }
}

SDL_BlendMode SdlBlendOf(int mode) {
  switch (mode) {
    case kBlendSolid: return SDL_BLENDMODE_NONE;
    case kBlendLight: return SDL_BLENDMODE_ADD;
    case kBlendShade: return SDL_BLENDMODE_MOD;
    default: return SDL_BLENDMODE_BLEND;  // alpha, and mask
  }
}

std::uint8_t AlphaByte(float alpha) {
  return static_cast<std::uint8_t>(std::clamp(alpha, 0.0f, 1.0f) * 255.0f + 0.5f);
}

const DrawCounts& CurrentDrawCounts() { return counts; }

namespace {
// A copy of part of a texture onto a rectangle of the target.
DrawRecord CopyRecord(Kind kind, SDL_Texture* texture, const TextureLook& look, const SDL_Rect& source,
                      const SDL_FRect& target) {
  DrawRecord record;
  record.kind = kind;
  record.texture = texture;
  record.look = look;
  record.source = source;
  record.target = target;
  return record;
}
}  // namespace

void RenderCopy(SDL_Renderer* renderer, SDL_Texture* texture, const TextureLook& look, const SDL_Rect& source,
                const SDL_FRect& target) {
  Draw(renderer, CopyRecord(Kind::Copy, texture, look, source, target));
}

void RenderCopyEx(SDL_Renderer* renderer, SDL_Texture* texture, const TextureLook& look, const SDL_Rect& source,
                  const SDL_FRect& target, double angle, const SDL_FPoint& centre, SDL_RendererFlip flip) {
  DrawRecord record = CopyRecord(Kind::CopyEx, texture, look, source, target);
  record.angle = angle;
  record.centre = centre;
  record.flip = flip;
  Draw(renderer, record);
}

void RenderGeometry(SDL_Renderer* renderer, SDL_Texture* texture, SDL_BlendMode blend,
                    std::span<const SDL_Vertex> vertices, std::span<const int> indices) {
  DrawRecord record;
  record.kind = Kind::Geometry;
  record.texture = texture;
  record.look.blend = blend;
  Draw(renderer, record, DrawData{vertices, indices, {}});
}

void RenderFillRects(SDL_Renderer* renderer, SDL_Color colour, SDL_BlendMode blend, std::span<const SDL_FRect> rects) {
  DrawRecord record;
  record.kind = Kind::FillRects;
  record.look = TextureLook{blend, colour};
  Draw(renderer, record, DrawData{{}, {}, rects});
}

void RenderLine(SDL_Renderer* renderer, SDL_Color colour, SDL_BlendMode blend, SDL_FPoint from, SDL_FPoint to) {
  DrawRecord record;
  record.kind = Kind::Line;
  record.look = TextureLook{blend, colour};
  record.target = SDL_FRect{from.x, from.y, to.x, to.y};
  Draw(renderer, record);
}

void RenderPoint(SDL_Renderer* renderer, SDL_Color colour, SDL_BlendMode blend, SDL_FPoint at) {
  DrawRecord record;
  record.kind = Kind::Point;
  record.look = TextureLook{blend, colour};
  record.target = SDL_FRect{at.x, at.y, 1, 1};
  Draw(renderer, record);
}

void RenderClear(SDL_Renderer* renderer, SDL_Color colour) {
  DrawRecord record;
  record.kind = Kind::Clear;
  record.look.mod = colour;
  Draw(renderer, record);
}

void RenderClipRect(SDL_Renderer* renderer, const SDL_Rect* clip) {
  DrawRecord record;
  record.kind = Kind::Clip;
  record.clipped = clip != nullptr;
  if (clip) record.source = *clip;
  // A state change, not a draw: recorded, but not counted.
  Pass(renderer, record);
}

bool CanRenderSpans(SDL_Renderer* renderer, const TextureLook& look) {
  return SpansCanBlend(look.blend) && SoftwareTarget(renderer);
}

bool RenderSpans(SDL_Renderer* renderer, const SpriteSpans& sprite, int x, int y, const TextureLook& look) {
  if (!SpansCanDraw(sprite, look) || !SoftwareTarget(renderer)) return false;
  DrawRecord record;
  record.kind = Kind::Spans;
  record.sprite = &sprite;
  record.look = look;
  record.target = SDL_FRect{static_cast<float>(x), static_cast<float>(y), static_cast<float>(sprite.Width()),
                            static_cast<float>(sprite.Height())};
  record.top = y;
  record.bottom = y + sprite.Height();
  Draw(renderer, record);
  return true;
}

bool RenderTurned(SDL_Renderer* renderer, SDL_Texture* texture, const TextureLook& look, const PixelRect& picture,
                  const SDL_FRect& target, double angle, const SDL_FPoint& centre) {
  if (!CanRenderSpans(renderer, look) || !picture.pixels) return false;
  // SDL cuts the size to whole pixels too.
  if (static_cast<int>(target.w) != picture.width || static_cast<int>(target.h) != picture.height) return false;
  SDL_ScaleMode scaleMode = SDL_ScaleModeLinear;
  SDL_GetTextureScaleMode(texture, &scaleMode);
  // The size is the target's; the source rectangle keeps where the picture may show.
  DrawRecord record = CopyRecord(Kind::Turned, texture, look, picture.visible, target);
  record.pixels = picture.pixels;
  record.stride = picture.stride;
  record.smooth = scaleMode != SDL_ScaleModeNearest;
  record.angle = angle;
  record.centre = centre;
  const SDL_Rect box = TurnedBox(picture.width, picture.height, Turn{angle, centre, record.smooth});
  record.top = static_cast<int>(target.y) + box.y;
  record.bottom = record.top + box.h;
  Draw(renderer, record);
  return true;
}

void StartRecording(DrawList& list) {
  list.Clear();
  recording = &list;
}

void StopRecording() { recording = nullptr; }

}  // namespace tolvex
