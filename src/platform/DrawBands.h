#pragma once
// A software frame drawn on both cores. The frame's draw calls are kept in the order the game
// makes them. A second thread draws them into the lower band of the back buffer as they come,
// while the game's thread computes the rest of the frame; the game's thread draws them into the
// upper band once the frame is finished, or its pixels are wanted. Each pixel is written by one
// thread, in the order of the calls, so the picture is exactly the one a single thread draws.
//
// Calls that SDL's software renderer draws itself (mask and shade blending, filled rectangles,
// lines, points, triangles, and copies it scales or mirrors where the game's own writers cannot
// stand in) are not split: SDL keeps a texture's blitting state in the texture and its queued
// calls in the renderer, and neither may be used by two threads at once. The game's thread draws
// each of them whole, once the second thread has drawn every call before it, while that waits.
#include <array>
#include <cstdint>
#include <functional>

struct SDL_Renderer;

namespace tolvex {

struct DrawRecord;
struct DrawData;

// From now on a software back buffer is drawn by two threads (true), or each call at once on the
// game's thread (false, the state the program starts in). Either way the pictures are the same.
void UseDrawBands(bool on);
bool DrawBandsInUse();
// Keeps a call for the bands; false, keeping nothing, when calls are drawn at once (bands not in
// use, or a renderer that draws on a GPU). The call's vertices and rectangles are copied.
bool KeepForBands(SDL_Renderer* renderer, const DrawRecord& record, const DrawData& data);
// Draws every call kept so far, on both threads, and returns when the back buffer holds them all.
void DrawKeptCalls();
// What a thread does with rows [top, bottom) of the back buffer once they hold the whole frame.
using FinishedRows = std::function<void(int top, int bottom)>;
// Draws every call kept so far as DrawKeptCalls does, and each thread then hands its band's rows to
// `finished` (copying them into the window, both threads at once). False, handing over nothing,
// when no call was kept: the back buffer already holds the frame.
bool DrawKeptCalls(const FinishedRows& finished);
// Draws every call kept so far and lets the second thread go, before the back buffer it draws into
// goes (the screen closes); the bands stay in use and start again on the next screen.
void FinishKeptCalls();
// How often every kept call has been drawn. Whatever a kept call refers to must live until this
// count has moved on from where it stood when the call was made.
std::uint64_t KeptCallsDrawn();
// The first row of the lower band; 0 (the default) lets the bands balance themselves, moving the
// seam after each frame towards where both threads finish together.
void SetBandSeam(int row);

// The parts of a frame whose drawing is timed apart (the frame statistics' phases).
constexpr int kBandParts = 16;
// The calls kept from now on belong to part `part` (0..kBandParts − 1).
void MarkBandPart(int part);
// Milliseconds each thread spent drawing its band, per part, since the last call:
// [0] the game's thread (upper band, and every call drawn whole), [1] the second thread.
using BandTimes = std::array<std::array<double, kBandParts>, 2>;
BandTimes TakeBandTimes();

}  // namespace tolvex
