#include "scores/RankTitle.h"

namespace tolvex {

std::string RankTitle(int n) {
  static const char* const kTitles[] = {"Nobody",
                                        "Apprentice of destruction",
                                        "Master of destruction",
                                        "King of destruction",
                                        "Emperor of destruction",
                                        "God of destruction",
                                        "God of slaughter",
                                        "Armageddon"};
  const int q = n / 5, r = n % 5;
  std::string title;
  int extra = r;
  if (q == 0 && n >= 2) {
    title = "Multikill";
    extra = r - 2;
  } else if (q >= 8) {
    title = "Armageddon";
    extra = (q - 7) * 5;
  } else {
    title = kTitles[q < 0 ? 0 : q];
  }
  return extra > 0 ? title + " + " + std::to_string(extra) : title;
}

}  // namespace tolvex
