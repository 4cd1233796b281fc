#include "platform/DrawBands.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "platform/DrawList.h"
#include "platform/RendererSession.h"

namespace tolvex {

namespace {

using Clock = std::chrono::steady_clock;
using Kind = DrawRecord::Kind;

// A count tagged with the frame it belongs to, in one word, so a thread reads both at once. The
// count's top bit says the frame is complete: no call follows.
constexpr std::uint32_t kComplete = 1u << 31;
std::uint64_t Tagged(std::uint32_t epoch, std::uint32_t count) { return (std::uint64_t{epoch} << 32) | count; }
std::uint32_t EpochOf(std::uint64_t tagged) { return static_cast<std::uint32_t>(tagged >> 32); }
std::uint32_t CountOf(std::uint64_t tagged) { return static_cast<std::uint32_t>(tagged) & ~kComplete; }
bool CompleteIn(std::uint64_t tagged) { return (static_cast<std::uint32_t>(tagged) & kComplete) != 0; }

double MsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Kept calls in blocks that never move: the second thread reads earlier calls while later ones are added.
class RecordBlocks {
 public:
  static constexpr std::uint32_t kBlockBits = 10, kBlocks = 4096;
  static constexpr std::uint32_t kMost = kBlocks << kBlockBits;
  static_assert(kMost < kComplete, "a count leaves its top bit to say the frame is complete");

  DrawRecord& At(std::uint32_t index) const { return (*blocks_[index >> kBlockBits])[index & kMask]; }
  // Makes room for call `index`; done before the call is published, never while it is read.
  void Reserve(std::uint32_t index) {
    auto& block = blocks_[index >> kBlockBits];
    if (!block) block = std::make_unique<Block>();
  }

 private:
  static constexpr std::uint32_t kMask = (1u << kBlockBits) - 1;
  using Block = std::array<DrawRecord, std::size_t{1} << kBlockBits>;
  std::array<std::unique_ptr<Block>, kBlocks> blocks_;
};

// Calls the software renderer draws itself: the game's thread draws them whole.
bool DrawnWhole(Kind kind) {
  return kind != Kind::Spans && kind != Kind::Turned && kind != Kind::Clear && kind != Kind::Clip &&
         kind != Kind::Part;
}

// Calls that change what follows (the clip, the part being timed) rather than draw.
bool ChangesState(Kind kind) { return kind == Kind::Clip || kind == Kind::Part; }

// The clip a band's calls are cut to, followed through the kept calls.
struct ClipState {
  bool clipped = false;
  SDL_Rect rect{};
  void Follow(const DrawRecord& record) {
    clipped = record.clipped;
    rect = record.source;
  }
  // Where a call may draw within rows.
  SDL_Rect Area(const SDL_Rect& rows) const {
    SDL_Rect area = rows;
    if (clipped) SDL_IntersectRect(&area, &rect, &area);
    return area;
  }
};

// A thread's drawing time per part of the frame; the clock stops while the thread waits.
struct PartClock {
  int part = 0;
  std::optional<Clock::time_point> since;
  std::array<double, kBandParts> ms{};
  void Start() { since = Clock::now(); }
  void Stop() {
    if (since) ms[static_cast<std::size_t>(part)] += MsBetween(*since, Clock::now());
    since.reset();
  }
  void Switch(int next) {
    if (next == part) return;
    const bool running = since.has_value();
    Stop();
    part = next;
    if (running) Start();
  }
};

// Draws runs of kept calls into one band of the back buffer, strip by strip: every call of a run
// that reaches a strip of rows is drawn there before the next strip is begun. A strip stays in
// the cache while the run's layers and sprites go over it, where a whole-screen layer drawn
// call by call goes out to memory and back once per layer.
class BandPainter {
 public:
  // A frame's band, and the clip and part its first call starts with.
  void Begin(SDL_Surface* target, const SDL_Rect& rows, const ClipState& clip, int part) {
    target_ = target;
    rows_ = rows;
    clip_ = clip;
    clock.part = part;
    // Strips of about 256 kB of the back buffer, so a strip and what is drawn onto it fit the cache.
    stripRows_ = std::clamp(65536 / std::max(target->w, 1), 8, 64);
    strips_.resize(static_cast<std::size_t>((rows.h + stripRows_ - 1) / stripRows_));
  }

  // Draws the calls from `first` on, up to (not including) the first one SDL draws whole or
  // `end`; returns where it stopped.
  std::uint32_t DrawRun(const RecordBlocks& records, std::uint32_t first, std::uint32_t end) {
    std::uint32_t stop = first;
    while (stop < end && !DrawnWhole(records.At(stop).kind)) ++stop;
    if (stop == first) return first;
    const ClipState clipAtStart = clip_;
    const int partAtStart = clock.part;
    if (!strips_.empty()) Sort(records, first, stop);
    for (std::size_t strip = 0; strip < strips_.size(); ++strip) {
      if (drawsIn_[strip] == 0) continue;
      clip_ = clipAtStart;
      clock.Switch(partAtStart);
      const int top = rows_.y + static_cast<int>(strip) * stripRows_;
      const SDL_Rect rows{rows_.x, top, rows_.w, std::min(stripRows_, rows_.y + rows_.h - top)};
      for (const std::uint32_t index : strips_[strip]) Draw(records.At(index), rows);
    }
    // The state the run leaves behind, for the calls after it.
    clip_ = clipAtStart;
    clock.Switch(partAtStart);
    for (std::uint32_t index = first; index < stop; ++index) {
      if (ChangesState(records.At(index).kind)) Follow(records.At(index));
    }
    return stop;
  }

  // A clip or part met among calls drawn whole.
  void Follow(const DrawRecord& record) {
    if (record.kind == Kind::Clip) clip_.Follow(record);
    else if (record.kind == Kind::Part) clock.Switch(record.first);
  }

  const ClipState& Clip() const { return clip_; }
  PartClock clock;

 private:
  // Lists each call of the run under the strips it reaches, in order; state calls go under all.
  void Sort(const RecordBlocks& records, std::uint32_t first, std::uint32_t stop) {
    for (auto& strip : strips_) strip.clear();
    drawsIn_.assign(strips_.size(), 0);
    const int last = static_cast<int>(strips_.size()) - 1;
    for (std::uint32_t index = first; index < stop; ++index) {
      const DrawRecord& record = records.At(index);
      const bool everywhere = ChangesState(record.kind) || record.kind == Kind::Clear;
      const int top = everywhere ? rows_.y : std::max(record.top, rows_.y);
      const int bottom = everywhere ? rows_.y + rows_.h : std::min(record.bottom, rows_.y + rows_.h);
      if (top >= bottom) continue;
      const int from = std::clamp((top - rows_.y) / stripRows_, 0, last);
      const int to = std::clamp((bottom - 1 - rows_.y) / stripRows_, 0, last);
      for (int strip = from; strip <= to; ++strip) {
        strips_[static_cast<std::size_t>(strip)].push_back(index);
        if (!ChangesState(record.kind)) ++drawsIn_[static_cast<std::size_t>(strip)];
      }
    }
  }

  void Draw(const DrawRecord& record, const SDL_Rect& rows) {
    switch (record.kind) {
      case Kind::Clip:
      case Kind::Part: Follow(record); break;
      // Clearing ignores the clip, as SDL's does.
      case Kind::Clear: WriteIntoArea(*target_, rows, record); break;
      default: WriteIntoArea(*target_, clip_.Area(rows), record); break;
    }
  }

  SDL_Surface* target_ = nullptr;
  SDL_Rect rows_{};
  ClipState clip_;
  int stripRows_ = 32;
  std::vector<std::vector<std::uint32_t>> strips_;
  std::vector<int> drawsIn_;
};

class BandedFrame {
 public:
  ~BandedFrame() { StopThread(); }

  bool Keep(SDL_Renderer* renderer, const DrawRecord& record, const DrawData& data) {
    SDL_Surface* target = SoftwareTarget(renderer);
    if (!target) return false;
    if (target != target_ || renderer != renderer_ || generation_ != RendererGeneration()) Restart(renderer, target);
    if (count_ + 1 >= RecordBlocks::kMost) DrawAll();
    if (wantedPart_ != markedPart_) {
      DrawRecord mark;
      mark.kind = Kind::Part;
      mark.first = markedPart_ = wantedPart_;
      Add(mark, {});
    }
    Add(record, data);
    return true;
  }

  // The part is marked just before the next call that draws, so a part that draws nothing costs nothing.
  void MarkPart(int part) { wantedPart_ = std::clamp(part, 0, kBandParts - 1); }

  bool DrawAll(const FinishedRows* finished = nullptr) {
    if (!target_ || count_ == 0) return false;
    const std::uint32_t count = count_;
    // Read by the second thread once it sees the frame complete.
    finished_ = finished;
    published_.store(Tagged(epoch_, count | kComplete), std::memory_order_release);
    published_.notify_one();
    const Clock::time_point start = Clock::now();
    DrawUpperBand(count);
    if (finished) (*finished)(0, seam_);
    const Clock::time_point upperDone = Clock::now();
    WaitForLowerBand(count);
    Balance(start, upperDone);
    SyncRendererClip();
    NextFrame();
    drawn_.fetch_add(1, std::memory_order_release);
    return true;
  }

  // Draws every kept call, then ends the second thread: the bands are no longer wanted.
  void Stop() {
    DrawAll();
    StopThread();
  }

  std::uint64_t Drawn() const { return drawn_.load(std::memory_order_acquire); }

  void SetSeam(int row) {
    DrawAll();
    fixedSeam_ = row;
    if (!target_) return;
    seam_ = row > 0 ? std::min(row, target_->h) : target_->h / 2;
    // The second thread may still be taking the frame just begun (its rows and clip), which the
    // next frame rewrites: the new seam waits until it has.
    WaitUntilReached(0);
    NextFrame();
  }

  BandTimes TakeTimes() {
    BandTimes times{upper_.clock.ms, lowerMs_};
    upper_.clock.ms = {};
    lowerMs_ = {};
    return times;
  }

 private:
  // A new screen: its calls so far were drawn when the old one closed (see CloseScreen).
  void Restart(SDL_Renderer* renderer, SDL_Surface* target) {
    StopThread();
    renderer_ = renderer;
    target_ = target;
    generation_ = RendererGeneration();
    count_ = 0;
    seam_ = fixedSeam_ > 0 ? std::min(fixedSeam_, target->h) : target->h / 2;
    // The clip the game set before the bands took over.
    ClipState clip;
    clip.clipped = SDL_RenderIsClipEnabled(renderer);
    if (clip.clipped) SDL_RenderGetClipRect(renderer, &clip.rect);
    upper_.Begin(target_, UpperRows(), clip, markedPart_);
    NextFrame();
    worker_ = std::jthread([this](const std::stop_token& stop) { RunLowerBand(stop); });
  }

  void StopThread() {
    if (worker_.joinable()) {
      worker_.request_stop();
      // A frame of its own wakes the second thread wherever it waits; no later frame shares it.
      ++epoch_;
      published_.store(Tagged(epoch_, 0), std::memory_order_release);
      published_.notify_one();
      passed_.store(Tagged(epoch_, 0), std::memory_order_release);
      passed_.notify_one();
      worker_.join();
    }
    target_ = nullptr;
    renderer_ = nullptr;
  }

  void Add(const DrawRecord& record, const DrawData& data) {
    records_.Reserve(count_);
    DrawRecord& kept = records_.At(count_);
    kept = record;
    KeepData(kept, data);
    Publish(count_ + 1);
  }

  void KeepData(DrawRecord& kept, const DrawData& data) {
    if (kept.kind == Kind::Geometry) {
      kept.first = static_cast<int>(vertices_.size());
      kept.count = static_cast<int>(data.vertices.size());
      kept.firstIndex = static_cast<int>(indices_.size());
      kept.indexCount = static_cast<int>(data.indices.size());
      vertices_.insert(vertices_.end(), data.vertices.begin(), data.vertices.end());
      indices_.insert(indices_.end(), data.indices.begin(), data.indices.end());
    } else if (kept.kind == Kind::FillRects) {
      kept.first = static_cast<int>(rects_.size());
      kept.count = static_cast<int>(data.rects.size());
      rects_.insert(rects_.end(), data.rects.begin(), data.rects.end());
    }
  }

  DrawData DataOf(const DrawRecord& record) const {
    DrawData data;
    const auto first = static_cast<std::size_t>(record.first), count = static_cast<std::size_t>(record.count);
    if (record.kind == Kind::Geometry) {
      data.vertices = std::span(vertices_).subspan(first, count);
      data.indices = std::span(indices_).subspan(static_cast<std::size_t>(record.firstIndex),
                                                 static_cast<std::size_t>(record.indexCount));
    } else if (record.kind == Kind::FillRects) {
      data.rects = std::span(rects_).subspan(first, count);
    }
    return data;
  }

  // The second thread is woken for every 64 calls, or when the frame is drawn.
  void Publish(std::uint32_t count) {
    count_ = count;
    published_.store(Tagged(epoch_, count), std::memory_order_release);
    if (count % 64 == 0) published_.notify_one();
  }

  void DrawUpperBand(std::uint32_t count) {
    upper_.clock.Start();
    for (std::uint32_t i = 0; i < count;) {
      i = upper_.DrawRun(records_, i, count);
      if (i < count) i = DrawWhole(i, count);
    }
    upper_.clock.Stop();
  }

  // Draws the run of calls from `first` that SDL draws itself (and the clips among them) over the
  // whole screen, once the lower band has caught up with them; returns where the run ends.
  std::uint32_t DrawWhole(std::uint32_t first, std::uint32_t count) {
    upper_.clock.Stop();
    WaitUntilReached(first);
    upper_.clock.Start();
    SyncRendererClip();
    std::uint32_t end = first;
    for (; end < count; ++end) {
      const DrawRecord& record = records_.At(end);
      if (ChangesState(record.kind)) {
        upper_.Follow(record);
        if (record.kind == Kind::Clip) SyncRendererClip();
      } else if (DrawnWhole(record.kind)) {
        IssueDraw(renderer_, record, DataOf(record));
      } else {
        break;
      }
    }
    SDL_RenderFlush(renderer_);
    passed_.store(Tagged(epoch_, end), std::memory_order_release);
    passed_.notify_one();
    return end;
  }

  // Waits until the second thread has drawn the calls before `index`, or, `complete`, the whole
  // frame and has done with its rows.
  void WaitUntilReached(std::uint32_t index, bool complete = false) {
    for (std::uint64_t reached = reached_.load(std::memory_order_acquire);
         EpochOf(reached) != epoch_ || CountOf(reached) < index || (complete && !CompleteIn(reached));
         reached = reached_.load(std::memory_order_acquire)) {
      reached_.wait(reached, std::memory_order_acquire);
    }
  }

  void WaitForLowerBand(std::uint32_t count) {
    WaitUntilReached(count, true);
    lowerDone_ = Clock::time_point(Clock::duration(lowerFinished_.load(std::memory_order_acquire)));
    for (std::size_t i = 0; i < lowerTimes_.size(); ++i) lowerMs_[i] += lowerTimes_[i];
  }

  // Moves the seam towards where both bands would have finished together: the game's thread
  // comes late to its band, as the second thread draws while the game computes.
  void Balance(Clock::time_point start, Clock::time_point upperDone) {
    const int height = target_->h;
    if (fixedSeam_ > 0) {
      seam_ = std::min(fixedSeam_, height);
      return;
    }
    const double upperMs = MsBetween(start, upperDone);
    if (upperMs <= 0) return;
    // Positive: the game's thread waited for the lower band; negative: the second thread idled.
    const double lateMs = MsBetween(upperDone, std::max(lowerDone_, start));
    const double rowsPerMs = std::max(seam_, 1) / upperMs;
    const int step = static_cast<int>(std::clamp(lateMs * rowsPerMs / 2, -height / 8.0, height / 8.0));
    seam_ = std::clamp(seam_ + step, 0, height);
  }

  SDL_Rect UpperRows() const { return SDL_Rect{0, 0, target_->w, seam_}; }
  SDL_Rect LowerRows() const { return SDL_Rect{0, seam_, target_->w, target_->h - seam_}; }

  void SyncRendererClip() {
    const ClipState& clip = upper_.Clip();
    SDL_RenderSetClipRect(renderer_, clip.clipped ? &clip.rect : nullptr);
  }

  // The next frame's calls start afresh; the second thread takes the new seam and clip with them.
  void NextFrame() {
    count_ = 0;
    vertices_.clear();
    indices_.clear();
    rects_.clear();
    lowerStart_ = upper_.Clip();
    lowerPart_ = markedPart_;
    lowerRows_ = LowerRows();
    upper_.Begin(target_, UpperRows(), upper_.Clip(), markedPart_);
    ++epoch_;
    published_.store(Tagged(epoch_, 0), std::memory_order_release);
    published_.notify_one();
  }

  // The second thread: follows the kept calls as they are published, drawing the lower band, and
  // waits at each call SDL draws whole until the game's thread has drawn it.
  void RunLowerBand(const std::stop_token& stop) {
    std::uint32_t epoch = 0, done = 0;
    BandPainter lower;
    while (!stop.stop_requested()) {
      const std::uint64_t published = published_.load(std::memory_order_acquire);
      if (EpochOf(published) != epoch) {
        // The frame that wakes this thread to stop may name a back buffer that is about to go.
        if (stop.stop_requested()) return;
        epoch = EpochOf(published);
        done = 0;
        lower.Begin(target_, lowerRows_, lowerStart_, lowerPart_);
        lower.clock.ms = {};
      }
      const std::uint32_t count = CountOf(published);
      if (done == count) {
        const bool complete = CompleteIn(published);
        if (complete && finished_) (*finished_)(lowerRows_.y, lowerRows_.y + lowerRows_.h);
        lowerTimes_ = lower.clock.ms;
        lowerFinished_.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
        reached_.store(Tagged(epoch, done | (complete ? kComplete : 0)), std::memory_order_release);
        reached_.notify_one();
        published_.wait(published, std::memory_order_acquire);
        continue;
      }
      lower.clock.Start();
      while (done < count && !stop.stop_requested()) {
        done = lower.DrawRun(records_, done, count);
        if (done == count) break;
        if (!WaitToPass(epoch, done, lower.clock, stop)) return;
        // The calls drawn whole, and the clips and parts among them.
        const std::uint32_t passed = std::min(CountOf(passed_.load(std::memory_order_acquire)), count);
        for (; done < passed; ++done) lower.Follow(records_.At(done));
      }
      lower.clock.Stop();
    }
  }

  // At a call SDL draws whole: says how far this band has come, and waits until the game's thread
  // has drawn it. False when the thread is to stop.
  bool WaitToPass(std::uint32_t epoch, std::uint32_t index, PartClock& clock, const std::stop_token& stop) {
    std::uint64_t passed = passed_.load(std::memory_order_acquire);
    if (EpochOf(passed) == epoch && CountOf(passed) > index) return true;
    clock.Stop();
    reached_.store(Tagged(epoch, index), std::memory_order_release);
    reached_.notify_one();
    while ((EpochOf(passed) != epoch || CountOf(passed) <= index) && !stop.stop_requested()) {
      passed_.wait(passed, std::memory_order_acquire);
      passed = passed_.load(std::memory_order_acquire);
    }
    clock.Start();
    return !stop.stop_requested();
  }

  RecordBlocks records_;
  std::vector<SDL_Vertex> vertices_;
  std::vector<int> indices_;
  std::vector<SDL_FRect> rects_;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Surface* target_ = nullptr;
  int generation_ = -1;
  std::uint32_t epoch_ = 0, count_ = 0;
  int seam_ = 0, fixedSeam_ = 0;
  int wantedPart_ = 0, markedPart_ = 0;
  BandPainter upper_;
  BandTimes::value_type lowerMs_{};
  Clock::time_point lowerDone_{};
  // Written by the game's thread before a frame's first call is published, read by the second
  // thread once it sees that frame.
  ClipState lowerStart_;
  int lowerPart_ = 0;
  SDL_Rect lowerRows_{};
  // What the second thread does with its rows once the frame is complete; set before it is.
  const FinishedRows* finished_ = nullptr;
  // Written by the second thread before it says it has reached the end, read after.
  BandTimes::value_type lowerTimes_{};
  std::atomic<Clock::rep> lowerFinished_{0};
  // The calls kept, how far the second thread has come, how far the game's thread has drawn
  // the calls SDL draws whole: each the count with its frame.
  std::atomic<std::uint64_t> published_{0}, reached_{0}, passed_{0};
  std::atomic<std::uint64_t> drawn_{0};
  std::jthread worker_;  // last: it starts once everything it uses is in place
};

struct BandsState {
  bool on = false;
  BandedFrame frame;
};

BandsState& Bands() {
  static BandsState bands;
  return bands;
}

}  // namespace

void UseDrawBands(bool on) {
  BandsState& bands = Bands();
  if (!on) bands.frame.Stop();
  bands.on = on;
}

bool DrawBandsInUse() { return Bands().on; }

bool KeepForBands(SDL_Renderer* renderer, const DrawRecord& record, const DrawData& data) {
  BandsState& bands = Bands();
  return bands.on && bands.frame.Keep(renderer, record, data);
}

void DrawKeptCalls() { Bands().frame.DrawAll(); }

bool DrawKeptCalls(const FinishedRows& finished) { return Bands().frame.DrawAll(&finished); }

void FinishKeptCalls() { Bands().frame.Stop(); }

std::uint64_t KeptCallsDrawn() { return Bands().frame.Drawn(); }

void SetBandSeam(int row) { Bands().frame.SetSeam(row); }

void MarkBandPart(int part) {
  if (Bands().on) Bands().frame.MarkPart(part);
}

BandTimes TakeBandTimes() { return Bands().frame.TakeTimes(); }

}  // namespace tolvex
