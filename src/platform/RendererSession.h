#pragma once
// Tracks which renderer is current, so textures made for a renderer that has
// since been destroyed are never used or freed twice.
struct SDL_Renderer;
struct SDL_Surface;

namespace tolvex {

// Changes every time a screen is opened or closed.
int RendererGeneration();
void NextRendererGeneration();
// The back buffer a software renderer draws into (offscreen or the window's), which may
// be written directly; null for renderers that draw on a GPU.
SDL_Surface* SoftwareTarget(SDL_Renderer* renderer);

}  // namespace tolvex
