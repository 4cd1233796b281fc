#include "effects/EffectPreview.h"

#include <charconv>
#include <cstdlib>

#include "core/Globals.h"
#include "effects/AmbientTable.h"
#include "effects/ParticleEngine.h"
#include "effects/TParticleInfo.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"

namespace tolvex {

namespace {

// The length of a backdrop change, as a change of stage makes it.
constexpr int kAmbientFadeMs = 3000;

// An effect cue while it runs: how far its point has flown since it last started over.
struct RunningEffect {
  EffectCue cue;
  float travelled = 0;
};

struct PreviewState {
  std::vector<AmbientCue> ambients;
  std::vector<RunningEffect> effects;
  float cameraSpeedX = 0, cameraSpeedY = 0;
  int frame = 0;
  int shownAmbient = -1;
};

PreviewState& Preview() {
  static PreviewState state;
  return state;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (true) {
    const auto at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

template <class Number>
std::optional<Number> ReadNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<AmbientCue> ReadAmbientCue(std::string_view text) {
  const auto parts = Split(text, '@');
  if (parts.size() > 2) return std::nullopt;
  const auto ambient = ReadNumber<int>(parts[0]);
  const auto frame = parts.size() == 2 ? ReadNumber<int>(parts[1]) : std::optional<int>(0);
  if (!ambient || !frame || *ambient < 0 || *ambient >= kAmbientCount || *frame < 0) return std::nullopt;
  return AmbientCue{*ambient, *frame};
}

std::optional<EffectCue> ReadEffectCue(std::string_view text) {
  const auto parts = Split(text, ':');
  if (parts.size() < 4 || parts.size() > 6 || parts[0].empty()) return std::nullopt;
  const auto x = ReadNumber<float>(parts[1]);
  const auto y = ReadNumber<float>(parts[2]);
  const auto every = ReadNumber<int>(parts[3]);
  if (!x || !y || !every || *every < 1) return std::nullopt;
  EffectCue cue{std::string(parts[0]), *x, *y, *every, std::nullopt, 0};
  if (parts.size() >= 5) {
    cue.direction = ReadNumber<float>(parts[4]);
    if (!cue.direction) return std::nullopt;
  }
  if (parts.size() == 6) {
    const auto speed = ReadNumber<float>(parts[5]);
    if (!speed || *speed < 0) return std::nullopt;
    cue.speed = *speed;
  }
  return cue;
}

void ReadCamera(std::string_view text, PreviewPlan& plan) {
  if (text.empty()) return;
  const auto parts = Split(text, ':');
  const auto vx = parts.size() == 2 ? ReadNumber<float>(parts[0]) : std::nullopt;
  const auto vy = parts.size() == 2 ? ReadNumber<float>(parts[1]) : std::nullopt;
  if (!vx || !vy) {
    WriteDebugLine("Preview: camera drift not understood: " + std::string(text));
    return;
  }
  plan.cameraSpeedX = *vx;
  plan.cameraSpeedY = *vy;
}

std::string_view Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string_view(value) : std::string_view();
}

void SwitchAmbient(PreviewState& state, int next) {
  if (next == state.shownAmbient) return;
  if (state.shownAmbient >= 0 && Ambients[state.shownAmbient]) {
    Ambients[state.shownAmbient]->FadeInOut(2, kAmbientFadeMs);
  }
  if (Ambients[next]) Ambients[next]->FadeInOut(1, kAmbientFadeMs);
  state.shownAmbient = next;
}

void RunEffect(RunningEffect& running, int frame) {
  const EffectCue& cue = running.cue;
  const float heading = cue.direction.value_or(0);
  float sx = cue.x + SinDeg(heading) * running.travelled;
  float sy = cue.y - CosDeg(heading) * running.travelled;
  if (sx < 0 || sx > static_cast<float>(GfxWidth) || sy < 0 || sy > static_cast<float>(GfxHeight)) {
    running.travelled = 0;
    sx = cue.x;
    sy = cue.y;
  }
  running.travelled += cue.speed / FrameRate;
  if (frame % cue.every != 0) return;
  const auto effect = TParticleInfo::Get(cue.id);
  if (!effect) return;
  const float direction = cue.direction ? *cue.direction : static_cast<float>(RandomInt(0, 360));
  effect->CreateParticle(CameraX + sx, CameraY + sy, direction, nullptr);
}

}  // namespace

PreviewPlan ParsePreviewPlan(std::string_view ambients, std::string_view effects, std::string_view camera) {
  PreviewPlan plan;
  for (const auto entry : Split(ambients, ',')) {
    if (entry.empty()) continue;
    if (const auto cue = ReadAmbientCue(entry)) plan.ambients.push_back(*cue);
    else WriteDebugLine("Preview: ambient not understood: " + std::string(entry));
  }
  for (const auto entry : Split(effects, ';')) {
    if (entry.empty()) continue;
    if (const auto cue = ReadEffectCue(entry)) plan.effects.push_back(*cue);
    else WriteDebugLine("Preview: effect not understood: " + std::string(entry));
  }
  ReadCamera(camera, plan);
  return plan;
}

void StartEffectPreview() {
  StartEffectPreview(ParsePreviewPlan(Environment("TOLVEX_AMBIENT"), Environment("TOLVEX_EFFECT"),
                                      Environment("TOLVEX_CAMERA")));
}

void StartEffectPreview(PreviewPlan plan) {
  PreviewState& state = Preview();
  state = PreviewState{};
  state.ambients = std::move(plan.ambients);
  for (auto& cue : plan.effects) state.effects.push_back({std::move(cue), 0});
  state.cameraSpeedX = plan.cameraSpeedX;
  state.cameraSpeedY = plan.cameraSpeedY;
}

void RunEffectPreview() {
  PreviewState& state = Preview();
  for (const AmbientCue& cue : state.ambients) {
    if (cue.frame == state.frame) SwitchAmbient(state, cue.ambient);
  }
  CameraFocusX += state.cameraSpeedX / FrameRate;
  CameraFocusY += state.cameraSpeedY / FrameRate;
  for (RunningEffect& running : state.effects) RunEffect(running, state.frame);
  ++state.frame;
}

}  // namespace tolvex
