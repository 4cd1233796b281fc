// "Highscore.txt": whatever the file holds, the list read from it keeps the promises of TScore.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "core/Globals.h"
#include "scores/HighscoreCipher.h"
#include "scores/TScore.h"

namespace tolvex::fuzz {

namespace {

void ForgetScores() {
  TScore::ScoreList().Clear();
  BestRank = 0;
  BestRankPilot.clear();
}

bool CleanName(const std::string& name) {
  const auto blank = [](unsigned char c) { return c <= 32; };
  if (!name.empty() && (blank(name.front()) || blank(name.back()))) return false;
  return name.find_first_of("=,\r\n") == std::string::npos;
}

// What every list read from a file must look like, before and after it is sorted and cut.
void CheckList() {
  for (const TScorePtr& entry : TScore::ScoreList()) {
    Require(entry->points != 0, "no entry has 0 points");
    Require(CleanName(entry->name), "names are trimmed and hold no = , or line break");
  }
  TScore::Sort();
  Require(TScore::ScoreList().Count() <= TScore::ListLimit, "a sorted list holds at most ten entries");
  int previous = 0;
  bool first = true;
  for (const TScorePtr& entry : TScore::ScoreList()) {
    Require(first || entry->points <= previous, "a sorted list has the highest points first");
    previous = entry->points, first = false;
  }
  const int lowest = TScore::GetLowest();
  Require(TScore::ScoreList().Count() == TScore::ListLimit || lowest == 0, "a list that is not full has no lowest");
}

}  // namespace

int HighscoreText(const std::uint8_t* data, std::size_t size) {
  ForgetScores();
  ReadHighscoreText(AsText(data, size));
  CheckList();
  ForgetScores();
  return 0;
}

int HighscoreFile(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const HighscoreKey key = MakeHighscoreKey(TScore::FileKey);
  const std::size_t blocks = size < 4 ? 0 : (size - 4 + 15) / 16;
  Require(DecipherHighscoreFile(bytes, key).size() <= blocks * 16, "a file never deciphers to more than its blocks");
  // The same bytes as a plain text go through the cipher and come back unchanged.
  const std::string_view plain = AsText(data, size);
  Require(DecipherHighscoreFile(EncipherHighscoreText(plain, key), key) == plain, "the cipher gives back its text");

  ForgetScores();
  ReadHighscoreFile(bytes);
  CheckList();
  ForgetScores();
  return 0;
}

}  // namespace tolvex::fuzz
