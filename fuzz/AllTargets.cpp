#include <array>

#include "FuzzTargets.h"

namespace tolvex::fuzz {

std::span<const NamedTarget> AllTargets() {
  static constexpr std::array<NamedTarget, 4> kTargets = {{
      {"highscore_text", HighscoreText},
      {"highscore_file", HighscoreFile},
      {"font_metrics", FontMetricsFile},
      {"input_script", InputScript},
  }};
  return kTargets;
}

}  // namespace tolvex::fuzz
