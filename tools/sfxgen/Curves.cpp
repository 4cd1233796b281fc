#include "Curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Master.h"

namespace tolvex::sfx {

Curve constant(double value) {
  return [value](double) { return value; };
}

Curve expSweep(double from, double to, double seconds) {
  const double ratio = std::log(to / from);
  return [=](double t) { return from * std::exp(ratio * std::clamp(t / seconds, 0.0, 1.0)); };
}

Curve segments(std::vector<std::pair<double, double>> points) {
  return [points = std::move(points)](double t) {
    if (t <= points.front().first) return points.front().second;
    for (std::size_t i = 1; i < points.size(); ++i) {
      const auto& [t1, v1] = points[i];
      if (t <= t1) {
        const auto& [t0, v0] = points[i - 1];
        return t1 > t0 ? v0 + (v1 - v0) * (t - t0) / (t1 - t0) : v1;
      }
    }
    return points.back().second;
  };
}

Curve attackDecay(double attack, double decay) {
  return [=](double t) {
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
  };
}

void strike(Signal& signal, double attack, double decay) {
  applyGain(signal, attackDecay(attack, decay));
  fadeEdges(signal, 0.0, timeOf(signal.size()) / 5.0);
}

Curve vibrato(Curve base, double rate, double depth) {
  return [base = std::move(base), rate, depth](double t) {
    return base(t) * (1.0 + depth * std::sin(2.0 * std::numbers::pi * rate * t));
  };
}

Curve steps(std::vector<double> values, double stepSeconds) {
  return [values = std::move(values), stepSeconds](double t) {
    const auto index = static_cast<std::size_t>(std::max(0.0, t / stepSeconds));
    return values[std::min(index, values.size() - 1)];
  };
}

}  // namespace tolvex::sfx
