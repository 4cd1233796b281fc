#pragma once
// A fresh highscore list in a folder of its own: the test's "Highscore.txt" is written there.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "scores/TScore.h"

namespace tolvex {

class ScoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A parameterised test's name holds "/": the folder stays one level deep, so it goes as a whole.
    std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(test.begin(), test.end(), '/', '_');
    folder_ = std::filesystem::temp_directory_path() / ("tolvex_scores_" + test + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    Forget();
  }
  void TearDown() override {
    Forget();
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

  // Empties the list in memory and forgets the best rank, as a new run of the program starts.
  static void Forget() {
    TScore::ScoreList().Clear();
    BestRank = 0;
    BestRankPilot.clear();
  }

  static std::vector<TScorePtr> Entries() {
    std::vector<TScorePtr> entries;
    for (const TScorePtr entry : TScore::ScoreList()) entries.push_back(entry);
    return entries;
  }
  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const TScorePtr entry : TScore::ScoreList()) names.push_back(entry->name);
    return names;
  }
  static std::vector<int> Points() {
    std::vector<int> points;
    for (const TScorePtr entry : TScore::ScoreList()) points.push_back(entry->points);
    return points;
  }

  std::filesystem::path folder_, previous_;
};

}  // namespace tolvex
