#pragma once
// The pilot's rank title: in the highscore list, the multikill messages and on the online
// table's public page.
#include <string>

namespace tolvex {

// The pilot's rank for a multikill count, e.g. "Apprentice of destruction + 2".
std::string RankTitle(int n);

}  // namespace tolvex
