#pragma once
// Every call that puts pixels on the screen passes through here, so the calls of a
// frame can be counted (draw calls, texture switches) and one frame can be recorded
// and replayed later with bare SDL calls.
#include <SDL_render.h>

#include <cstdint>
#include <span>

namespace tolvex {

class DrawList;
class SpriteSpans;
struct PixelRect;

// How a texture is drawn: its blend mode and its colour and alpha modulation.
struct TextureLook {
  SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
  SDL_Color mod{255, 255, 255, 255};
};

// The SDL blend mode of one of the game's blend modes (mask draws blended from a solid-only texture).
SDL_BlendMode SdlBlendOf(int mode);
// An alpha of 0..1 (clamped) as a byte.
std::uint8_t AlphaByte(float alpha);

// Draw calls and texture switches since the program started.
struct DrawCounts {
  std::uint64_t calls = 0;
  std::uint64_t textureSwitches = 0;
};
const DrawCounts& CurrentDrawCounts();

void RenderCopy(SDL_Renderer* renderer, SDL_Texture* texture, const TextureLook& look, const SDL_Rect& source,
                const SDL_FRect& target);
// A copy turned by angle degrees (clockwise) about centre and mirrored by flip.
void RenderCopyEx(SDL_Renderer* renderer, SDL_Texture* texture, const TextureLook& look, const SDL_Rect& source,
                  const SDL_FRect& target, double angle, const SDL_FPoint& centre, SDL_RendererFlip flip);
// Textured triangles; the texture is drawn unmodulated (the vertices carry the colour).
void RenderGeometry(SDL_Renderer* renderer, SDL_Texture* texture, SDL_BlendMode blend,
                    std::span<const SDL_Vertex> vertices, std::span<const int> indices);
void RenderFillRects(SDL_Renderer* renderer, SDL_Color colour, SDL_BlendMode blend, std::span<const SDL_FRect> rects);
void RenderLine(SDL_Renderer* renderer, SDL_Color colour, SDL_BlendMode blend, SDL_FPoint from, SDL_FPoint to);
void RenderPoint(SDL_Renderer* renderer, SDL_Color colour, SDL_BlendMode blend, SDL_FPoint at);
// Clears the whole target to the colour.
void RenderClear(SDL_Renderer* renderer, SDL_Color colour);
// Limits drawing to the rectangle; null lifts the limit.
void RenderClipRect(SDL_Renderer* renderer, const SDL_Rect* clip);
// Blends a sprite with its top-left at (x, y) straight into a software renderer's back
// buffer, as an unscaled RenderCopy would (see SpriteSpans); false, drawing nothing, when
// the renderer draws on a GPU or the sprite cannot be drawn so with that look (SpansCanDraw).
bool RenderSpans(SDL_Renderer* renderer, const SpriteSpans& sprite, int x, int y, const TextureLook& look);
// True when RenderSpans draws with this look on this renderer.
bool CanRenderSpans(SDL_Renderer* renderer, const TextureLook& look);
// Blends picture, turned as RenderCopyEx turns it, straight into a software renderer's back
// buffer (see TurnedCopy), as an unscaled, unmirrored RenderCopyEx of texture, which holds the
// same pixels, would; false, drawing nothing, when the renderer draws on a GPU, the blend mode
// is not alpha or additive, or target is not picture's size.
bool RenderTurned(SDL_Renderer* renderer, SDL_Texture* texture, const TextureLook& look, const PixelRect& picture,
                  const SDL_FRect& target, double angle, const SDL_FPoint& centre);

// From now on every call is also written into list (emptied first), until StopRecording.
void StartRecording(DrawList& list);
void StopRecording();

}  // namespace tolvex
