#include "shell/FrameStats.h"

#include <SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "effects/ParticleEngine.h"
#include "platform/DrawCalls.h"
#include "platform/Graphics.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPhases = static_cast<std::size_t>(FramePhase::Count);
// Frame times are kept as a histogram of 10-µs steps up to 1 s (longer frames share
// the last step), so an hour of frames needs no more memory than a second.
constexpr double kStepMs = 0.01;
constexpr std::size_t kSteps = 100000;

constexpr std::array<const char*, kPhases> kPhaseNames = {
    "input",   "world step", "wreckage step", "stages",    "frame setup",   "layer 0",
    "wreckage", "layer 1",   "world drawn",   "particles", "layer 2",       "HUD and menus",
    "present"};

struct Stats {
  bool enabled = false;
  bool finishDrawing = true;
  bool inFrame = false;
  Clock::time_point frameStart, phaseStart;
  FramePhase phase = FramePhase::Input;
  std::array<double, kPhases> phaseMs{};
  std::vector<std::uint32_t> histogram = std::vector<std::uint32_t>(kSteps + 1, 0);
  std::uint64_t frames = 0;
  double totalMs = 0, maxMs = 0;
  DrawCounts drawsAtStart, draws;
  std::size_t peakObjects = 0, peakParticles = 0;
  std::string renderer = "none";
  int width = 0, height = 0;
};

Stats& State() {
  static Stats stats;
  return stats;
}

double MsSince(Clock::time_point start, Clock::time_point now) {
  return std::chrono::duration<double, std::milli>(now - start).count();
}

void NoteScreen(Stats& stats) {
  stats.width = ScreenWidth(), stats.height = ScreenHeight();
  SDL_RendererInfo info{};
  if (ScreenRenderer() && SDL_GetRendererInfo(ScreenRenderer(), &info) == 0) stats.renderer = info.name;
  if (IsHeadless()) stats.renderer += " (headless)";
}

// Frame time at which a share of the frames is done, in ms.
double Percentile(const Stats& stats, double share) {
  const auto wanted = static_cast<std::uint64_t>(std::max(1.0, std::ceil(share * static_cast<double>(stats.frames))));
  std::uint64_t seen = 0;
  for (std::size_t step = 0; step <= kSteps; ++step) {
    seen += stats.histogram[step];
    if (seen >= wanted) return std::min(static_cast<double>(step + 1) * kStepMs, stats.maxMs);
  }
  return stats.maxMs;
}

long PeakResidentKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

void EnableFrameStats(bool finishDrawing) {
  State().enabled = true;
  State().finishDrawing = finishDrawing;
}

bool FrameStatsEnabled() { return State().enabled; }

void BeginFramePhase(FramePhase phase) {
  Stats& stats = State();
  if (!stats.enabled) return;
  if (stats.finishDrawing && stats.inFrame) FinishDrawing();
  const Clock::time_point now = Clock::now();
  if (stats.inFrame) {
    stats.phaseMs[static_cast<std::size_t>(stats.phase)] += MsSince(stats.phaseStart, now);
  } else {
    if (stats.frames == 0) NoteScreen(stats);
    stats.inFrame = true;
    stats.frameStart = now;
    stats.drawsAtStart = CurrentDrawCounts();
  }
  stats.phase = phase;
  stats.phaseStart = now;
}

void EndFrameStats() {
  Stats& stats = State();
  if (!stats.enabled || !stats.inFrame) return;
  if (stats.finishDrawing) FinishDrawing();
  const Clock::time_point now = Clock::now();
  stats.phaseMs[static_cast<std::size_t>(stats.phase)] += MsSince(stats.phaseStart, now);
  const double ms = MsSince(stats.frameStart, now);
  stats.inFrame = false;
  ++stats.frames;
  stats.totalMs += ms;
  stats.maxMs = std::max(stats.maxMs, ms);
  ++stats.histogram[std::min(kSteps, static_cast<std::size_t>(ms / kStepMs))];
  const DrawCounts& counts = CurrentDrawCounts();
  stats.draws.calls += counts.calls - stats.drawsAtStart.calls;
  stats.draws.textureSwitches += counts.textureSwitches - stats.drawsAtStart.textureSwitches;
  if (Universe) stats.peakObjects = std::max(stats.peakObjects, TUniverse::WorldList().Count());
  stats.peakParticles = std::max(stats.peakParticles, ParticleCount());
}

void PrintFrameStats(std::ostream& out) {
  const Stats& stats = State();
  const double frames = static_cast<double>(std::max<std::uint64_t>(stats.frames, 1));
  const double mean = stats.totalMs / frames;
  out << std::fixed << std::setprecision(2);
  out << "frame statistics: " << stats.frames << " frames at " << stats.width << 'x' << stats.height << ", renderer "
      << stats.renderer << '\n';
  out << "  frame time ms: p50 " << Percentile(stats, 0.5) << "  p95 " << Percentile(stats, 0.95) << "  p99 "
      << Percentile(stats, 0.99) << "  max " << stats.maxMs << "  mean " << mean << " (" << 1000.0 / mean
      << " frames per second)\n";
  out << "  mean ms per frame:";
  for (std::size_t i = 0; i < kPhases; ++i) {
    out << (i % 5 == 0 ? "\n   " : " |") << ' ' << kPhaseNames[i] << ' ' << stats.phaseMs[i] / frames;
  }
  out << '\n';
  out << "  per frame: " << static_cast<double>(stats.draws.calls) / frames << " draw calls, "
      << static_cast<double>(stats.draws.textureSwitches) / frames << " textures switched\n";
  out << "  peak: " << stats.peakObjects << " ships, shots and rockets; " << stats.peakParticles << " particles\n";
  out << "  peak resident memory: " << static_cast<double>(PeakResidentKb()) / 1024.0 << " MB\n";
}

void ResetFrameStats() { State() = Stats{}; }

}  // namespace tolvex
