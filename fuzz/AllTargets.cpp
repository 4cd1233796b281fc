#include <array>

#include "FuzzTargets.h"

namespace tolvex::fuzz {

std::span<const NamedTarget> AllTargets() {
  static constexpr std::array<NamedTarget, 9> kTargets = {{
      {"highscore_text", HighscoreText},
      {"highscore_file", HighscoreFile},
      {"font_metrics", FontMetricsFile},
      {"input_script", InputScript},
      {"replay", ReplayFile},
      {"options", OptionsFile},
      {"online_version", OnlineVersionAnswer},
      {"online_submit", OnlineSubmitAnswer},
      {"online_fetch", OnlineFetchAnswer},
  }};
  return kTargets;
}

}  // namespace tolvex::fuzz
