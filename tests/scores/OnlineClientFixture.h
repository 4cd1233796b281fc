#pragma once
// A fresh highscore list in a folder of its own, and the game's online client pointed at a
// scripted server.
#include <chrono>
#include <cstdlib>

#include "ScriptedServer.h"
#include "scores/OnlineExchange.h"
#include "scores/ScoreFixture.h"
#include "support/OnlineRecordPrint.h"

namespace tolvex {

class OnlineClientTest : public ScoreTest {
 protected:
  void TearDown() override {
    OnlineLimits() = ExchangeLimits{};
    OnlineHighscore = 0;
    unsetenv("TOLVEX_HIGHSCORE_SERVER");
    ScoreTest::TearDown();
  }
  // Points the client at the server.
  static void Use(const ScriptedServer& server) { setenv("TOLVEX_HIGHSCORE_SERVER", server.Address().c_str(), 1); }
  // Shortened limits, so the misbehaving servers cost the suite little time.
  static void ShortLimits() {
    OnlineLimits() = {.connectMs = 500, .readMs = 300, .totalMs = 1000, .maxAnswerBytes = 4096};
  }
  // How long an action takes, in seconds.
  template <class Action>
  static double Seconds(Action action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
};

}  // namespace tolvex
