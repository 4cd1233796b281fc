#pragma once
// Tracks which renderer is current, so textures made for a renderer that has
// since been destroyed are never used or freed twice.
#include <string_view>

struct SDL_Renderer;
struct SDL_Surface;

namespace tolvex {

// Changes every time a screen is opened or closed.
int RendererGeneration();
void NextRendererGeneration();
// The back buffer a software renderer draws into (offscreen or the window's), which may
// be written directly; null for renderers that draw on a GPU.
SDL_Surface* SoftwareTarget(SDL_Renderer* renderer);
// True for an OpenGL renderer name (GL_RENDERER) of a driver that draws on the CPU. On those the
// game's own software renderer is several times faster: it writes only a backdrop's visible runs
// and blends whole rows at once.
bool IsCpuRasteriser(std::string_view glRenderer);

}  // namespace tolvex
