#pragma once
// A debug preview of backdrops and effects, for looking at them before ships
// and stages exist. Driven by environment variables:
//   TOLVEX_AMBIENT="n[@frame],..."      fade in ambient n at a frame (default 0); each later
//                                       entry cross-fades from the one before, as a stage change does
//   TOLVEX_EFFECT="ID:x:y:N[:dir[:speed]];..."   start effect ID at screen point (x, y) every N
//                                       frames, heading dir (random when left out); with a speed the
//                                       point flies along dir in pixels per second and starts over
//                                       when it leaves the screen (for exhaust trails)
//   TOLVEX_CAMERA="vx:vy"               drift the camera by (vx, vy) pixels per second (parallax)
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

// One ambient switch of the preview.
struct AmbientCue {
  int ambient = 0;
  int frame = 0;
};

// One effect started again and again at a screen point.
struct EffectCue {
  std::string id;
  float x = 0, y = 0;
  int every = 1;
  std::optional<float> direction;
  float speed = 0;
};

// Everything the preview does.
struct PreviewPlan {
  std::vector<AmbientCue> ambients;
  std::vector<EffectCue> effects;
  float cameraSpeedX = 0, cameraSpeedY = 0;
};

// Reads the three settings; entries that cannot be read are skipped with a debug line.
PreviewPlan ParsePreviewPlan(std::string_view ambients, std::string_view effects, std::string_view camera);

// Takes the plan from the environment; call once after the effect and ambient tables exist.
void StartEffectPreview();
// Takes the given plan (tests and tools).
void StartEffectPreview(PreviewPlan plan);
// One preview frame: ambient switches, effect starts at screen points of this frame's
// camera, and the camera drift (seen from the next frame on). Call once per frame, after
// the camera is applied.
void RunEffectPreview();

}  // namespace tolvex
