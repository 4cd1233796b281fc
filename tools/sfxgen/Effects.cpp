#include "Effects.h"

#include <array>
#include <cmath>

namespace tolvex::sfx {
namespace {

// A feedback delay line with a one-pole low-pass in its loop (a damped comb).
class Comb {
 public:
  Comb(std::size_t length, double feedback, double damping)
      : line_(length, 0.0), feedback_(feedback), damping_(damping) {}
  double process(double x) {
    const double out = line_[pos_];
    memory_ = out * (1.0 - damping_) + memory_ * damping_;
    line_[pos_] = x + memory_ * feedback_;
    pos_ = (pos_ + 1) % line_.size();
    return out;
  }

 private:
  Signal line_;
  std::size_t pos_ = 0;
  double feedback_;
  double damping_;
  double memory_ = 0.0;
};

// A Schroeder all-pass: smears echoes into a dense tail without colouring the sound.
class AllPass {
 public:
  explicit AllPass(std::size_t length) : line_(length, 0.0) {}
  double process(double x) {
    const double delayed = line_[pos_];
    const double out = delayed - 0.5 * x;
    line_[pos_] = x + 0.5 * delayed;
    pos_ = (pos_ + 1) % line_.size();
    return out;
  }

 private:
  Signal line_;
  std::size_t pos_ = 0;
};

// Interpolates between four neighbouring samples (Catmull-Rom); outside the signal is silence.
double cubicAt(const Signal& s, double position) {
  const auto base = static_cast<long>(std::floor(position));
  const double f = position - static_cast<double>(base);
  auto at = [&s](long i) {
    return i >= 0 && static_cast<std::size_t>(i) < s.size() ? s[static_cast<std::size_t>(i)] : 0.0;
  };
  const double y0 = at(base - 1), y1 = at(base), y2 = at(base + 1), y3 = at(base + 2);
  return y1 +
         0.5 * f * (y2 - y0 + f * (2.0 * y0 - 5.0 * y1 + 4.0 * y2 - y3 + f * (3.0 * (y1 - y2) + y3 - y0)));
}

}  // namespace

void saturate(Signal& signal, double drive) {
  const double norm = std::tanh(drive);
  for (double& sample : signal) sample = std::tanh(drive * sample) / norm;
}

Signal echo(const Signal& dry, double delay, double feedback, double wet) {
  const std::size_t gap = samplesFor(delay);
  const double repeats = std::ceil(std::log(0.01) / std::log(feedback));
  Signal out = dry;
  out.resize(dry.size() + gap * static_cast<std::size_t>(repeats), 0.0);
  Signal line(out.size(), 0.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double input = i < dry.size() ? dry[i] : 0.0;
    const double delayed = i >= gap ? line[i - gap] : 0.0;
    line[i] = input + feedback * delayed;
    out[i] += wet * delayed;
  }
  return out;
}

Signal reverb(const Signal& dry, double size, double wet, double tailSeconds) {
  // Mutually prime delay lengths (in samples) so the echoes do not pile up into a pitch.
  constexpr std::array<std::size_t, 6> kCombs{1557, 1617, 1491, 1422, 1277, 1356};
  constexpr std::array<std::size_t, 3> kAllPasses{556, 441, 341};
  std::vector<Comb> combs;
  for (std::size_t length : kCombs) combs.emplace_back(length, 0.7 + 0.28 * size, 0.3);
  std::vector<AllPass> allPasses(kAllPasses.begin(), kAllPasses.end());
  Signal out = dry;
  out.resize(dry.size() + samplesFor(tailSeconds), 0.0);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double input = i < dry.size() ? dry[i] : 0.0;
    double room = 0.0;
    for (Comb& comb : combs) room += comb.process(input);
    room /= static_cast<double>(combs.size());
    for (AllPass& pass : allPasses) room = pass.process(room);
    out[i] += wet * room;
  }
  return out;
}

Signal resample(const Signal& input, double speed) {
  Signal out(static_cast<std::size_t>(static_cast<double>(input.size()) / speed));
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = cubicAt(input, static_cast<double>(i) * speed);
  return out;
}

}  // namespace tolvex::sfx
