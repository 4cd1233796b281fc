#pragma once
// Tracks which renderer is current, so textures made for a renderer that has
// since been destroyed are never used or freed twice.
struct SDL_Renderer;

namespace tolvex {

// Changes every time a screen is opened or closed.
int RendererGeneration();
void NextRendererGeneration();

}  // namespace tolvex
