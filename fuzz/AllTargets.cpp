#include <array>

#include "FuzzTargets.h"

namespace tolvex::fuzz {

std::span<const NamedTarget> AllTargets() {
  static constexpr std::array<NamedTarget, 5> kTargets = {{
      {"highscore_text", HighscoreText},
      {"highscore_file", HighscoreFile},
      {"font_metrics", FontMetricsFile},
      {"input_script", InputScript},
      {"replay", ReplayFile},
  }};
  return kTargets;
}

}  // namespace tolvex::fuzz
