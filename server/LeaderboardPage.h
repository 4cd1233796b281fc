#pragma once
// The table for people: the public web page and its JSON twin.
#include <string>
#include <vector>

#include "scores/OnlineRecord.h"

namespace tolvex {

// Most entries the page and the JSON list show.
inline constexpr int kLeaderboardSize = 100;

// The HTML page of the entries, best first: place, name, points, date and rank title, every text
// escaped. Plain HTML and CSS in the game's colours, readable from a phone to a desktop screen.
std::string LeaderboardPage(const std::vector<OnlineRecord>& records);
// The same entries as a JSON array of {"place", "name", "points", "date", "time", "rank", "title"}.
std::string LeaderboardJson(const std::vector<OnlineRecord>& records);

}  // namespace tolvex
