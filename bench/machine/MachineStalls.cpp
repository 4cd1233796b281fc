// How often this machine takes a busy thread off its core, and for how long. One thread per core
// spins on the clock, as the game's two drawing threads do in a heavy fight, and counts the gaps
// between two readings long enough to miss a frame. A frame can be no steadier than this: where
// the machine itself holds a thread up past 16.7 ms a few times a second (a virtual machine whose
// host is busy), the frame-rate scripts' p99 measures the machine, not the game.
//
//   tolvex_bench_machine [seconds]      (default 5)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr Ms kFrame{1000.0 / 60.0};
constexpr Ms kLong{50.0};

// The gaps one spinning thread saw.
struct Stalls {
  int missedFrames = 0;  // gaps longer than a 60 Hz frame
  int longStalls = 0;    // gaps longer than three frames
  Ms longest{0};

  void Add(const Stalls& other) {
    missedFrames += other.missedFrames;
    longStalls += other.longStalls;
    longest = std::max(longest, other.longest);
  }
};

Stalls Spin(const Clock::duration span) {
  Stalls stalls;
  const Clock::time_point start = Clock::now();
  Clock::time_point last = start;
  while (last - start < span) {
    const Clock::time_point now = Clock::now();
    const Ms gap = now - last;
    stalls.longest = std::max(stalls.longest, gap);
    if (gap > kFrame) ++stalls.missedFrames;
    if (gap > kLong) ++stalls.longStalls;
    last = now;
  }
  return stalls;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
  if (!(seconds > 0)) {
    std::fprintf(stderr, "usage: %s [seconds > 0]\n", argv[0]);
    return 2;
  }
  const auto span = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
  std::vector<Stalls> seen(cores);
  {
    std::vector<std::jthread> threads;
    for (Stalls& stalls : seen) threads.emplace_back([&stalls, span] { stalls = Spin(span); });
  }
  Stalls total;
  for (const Stalls& stalls : seen) total.Add(stalls);
  std::printf("machine: %u threads busy for %.1f s were held up %d times over 16.7 ms, %d over 50 ms; "
              "longest %.1f ms\n",
              cores, seconds, total.missedFrames, total.longStalls, total.longest.count());
  return 0;
}
