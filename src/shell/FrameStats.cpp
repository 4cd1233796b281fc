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
#include "platform/DrawBands.h"
#include "platform/DrawCalls.h"
#include "platform/Graphics.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPhases = static_cast<std::size_t>(FramePhase::Count);
static_assert(kPhases <= kBandParts, "each phase's drawing is timed apart");
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
  // The second thread's drawing of the lower band, per phase, beside the game's thread.
  std::array<double, kPhases> lowerBandMs{};
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

// With two threads drawing, a phase's calls are drawn later, when the frame is shown: the game's
// thread's drawing of its band is charged to the phases whose calls it drew, and taken from the
// phase it was done in (so the phases still add up to the frame); the second thread's apart.
void ChargeBandDrawing(Stats& stats, FramePhase drawnIn) {
  const BandTimes times = TakeBandTimes();
  double upper = 0;
  for (std::size_t i = 0; i < kPhases; ++i) {
    stats.phaseMs[i] += times[0][i];
    stats.lowerBandMs[i] += times[1][i];
    upper += times[0][i];
  }
  stats.phaseMs[static_cast<std::size_t>(drawnIn)] -= upper;
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
  // Two threads draw each phase's calls when the frame is done; else each phase waits for its own.
  const bool bands = DrawBandsInUse();
  if (stats.finishDrawing && stats.inFrame && !bands) FinishDrawing();
  const Clock::time_point now = Clock::now();
  if (stats.inFrame) {
    stats.phaseMs[static_cast<std::size_t>(stats.phase)] += MsSince(stats.phaseStart, now);
    ChargeBandDrawing(stats, stats.phase);
  } else {
    if (stats.frames == 0) NoteScreen(stats);
    stats.inFrame = true;
    stats.frameStart = now;
    stats.drawsAtStart = CurrentDrawCounts();
  }
  stats.phase = phase;
  stats.phaseStart = now;
  if (bands) MarkBandPart(static_cast<int>(phase));
}

void EndFrameStats() {
  Stats& stats = State();
  if (!stats.enabled || !stats.inFrame) return;
  if (stats.finishDrawing) FinishDrawing();
  const Clock::time_point now = Clock::now();
  stats.phaseMs[static_cast<std::size_t>(stats.phase)] += MsSince(stats.phaseStart, now);
  ChargeBandDrawing(stats, stats.phase);
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

namespace {
void PrintPhases(std::ostream& out, const char* title, const std::array<double, kPhases>& ms, double frames) {
  out << title;
  for (std::size_t i = 0; i < kPhases; ++i) {
    out << (i % 5 == 0 ? "\n   " : " |") << ' ' << kPhaseNames[i] << ' ' << ms[i] / frames;
  }
  out << '\n';
}
}  // namespace

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
  PrintPhases(out, "  mean ms per frame:", stats.phaseMs, frames);
  if (std::any_of(stats.lowerBandMs.begin(), stats.lowerBandMs.end(), [](double ms) { return ms > 0; })) {
    PrintPhases(out, "  second thread, drawing the lower band meanwhile, mean ms per frame:", stats.lowerBandMs, frames);
  }
  out << "  per frame: " << static_cast<double>(stats.draws.calls) / frames << " draw calls, "
      << static_cast<double>(stats.draws.textureSwitches) / frames << " textures switched\n";
  out << "  peak: " << stats.peakObjects << " ships, shots and rockets; " << stats.peakParticles << " particles\n";
  out << "  peak resident memory: " << static_cast<double>(PeakResidentKb()) / 1024.0 << " MB\n";
}

void ResetFrameStats() { State() = Stats{}; }

}  // namespace tolvex
