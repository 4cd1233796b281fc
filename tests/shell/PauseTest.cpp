// The pause as a player meets it: P, the pad's Start or a window that loses its focus stop the
// world, the particles, the stage runner and the clock; play goes on from exactly where it stood,
// and nothing pressed meanwhile acts afterwards.
#include <filesystem>
#include <nlohmann/json.hpp>
#include <vector>

#include "StartedGame.h"
#include "effects/ParticleEngine.h"
#include "effects/TParticleInfo.h"
#include "platform/Keys.h"
#include "shell/Pause.h"
#include "world/TShip.h"

namespace tolvex {
namespace {

void Tap(int key) {
  FeedKey(key, true);
  FeedKey(key, false);
}

// Every live particle's place, heading and age.
std::vector<float> ParticleTraces() {
  std::vector<float> traces;
  for (const auto& particle : *Particles().particles) {
    traces.insert(traces.end(), {particle->Pos[0], particle->Pos[1], particle->Direction,
                                 static_cast<float>(particle->LiveTime[0])});
  }
  return traces;
}

// What the game shows of itself, the frame number left out.
nlohmann::json Standing(int frame) {
  nlohmann::json dump = DumpState(frame);
  dump.erase("frame");
  return dump;
}

class PausedGame : public StartedGame {
 protected:
  void SetUp() override {
    StartedGame::SetUp();
    ASSERT_NO_FATAL_FAILURE(Start(kStateGame));
    FeedKey(LetterKey('W'), true);  // flying, so a frozen ship shows
    Frames(30);
  }
};

TEST_F(PausedGame, PStopsTheWorldParticlesStagesAndClockUntilTheNextP) {
  TParticleInfo::Get("ExplosionShipBig")->CreateParticle(Player->X + 100, Player->Y, 0, nullptr);
  Frames(5);
  ASSERT_GT(ParticleTraces().size(), 4u) << "an explosion beside the ship";
  Tap(LetterKey('P'));
  Frames(1);
  ASSERT_TRUE(GamePaused());
  const nlohmann::json paused = Standing(0);
  const std::vector<float> particles = ParticleTraces();
  const int clock = FrameClock;
  EXPECT_EQ(paused["paused"], true);
  Frames(50);
  EXPECT_EQ(Standing(0), paused) << "ships, shots, rockets, the stage and its conditions, messages, the HUD";
  EXPECT_EQ(ParticleTraces(), particles);
  EXPECT_EQ(FrameClock, clock);

  Tap(LetterKey('P'));
  Frames(1);
  EXPECT_FALSE(GamePaused());
  EXPECT_FALSE(Standing(0).contains("paused"));
  const float y = Player->Y;
  Frames(3);
  EXPECT_EQ(FrameClock, clock + 3 * 16) << "the clock goes on from where it stood";
  EXPECT_NE(Player->Y, y);
  EXPECT_NE(ParticleTraces(), particles);
}

TEST_F(PausedGame, LosingTheWindowsFocusPausesAndFindingItAgainDoesNot) {
  FeedFocusLost();
  Frames(1);
  EXPECT_TRUE(GamePaused());
  FeedFocusLost();
  Frames(5);
  EXPECT_TRUE(GamePaused()) << "a second loss does not resume";
  Tap(LetterKey('P'));
  Frames(1);
  EXPECT_FALSE(GamePaused());
}

TEST_F(PausedGame, NothingPressedDuringThePauseActsAfterIt) {
  Player->RocketAutoSelectComp = false;
  Player->SelectedRockets = 0;
  const auto rockets = Player->Rockets;
  Tap(LetterKey('P'));
  Frames(1);
  Tap(KEY_0 + 3);
  FeedButton(2, true);
  FeedButton(2, false);
  Tap(LetterKey('E'));
  Frames(2);
  Tap(LetterKey('P'));
  Frames(2);
  EXPECT_EQ(Player->SelectedRockets, 0);
  EXPECT_EQ(Player->Rockets, rockets) << "no rocket fired by a click made during the pause";
}

TEST_F(PausedGame, EscapeGivesUpFromThePauseAndLeftAltPhotographsIt) {
  Tap(LetterKey('P'));
  Frames(1);
  Tap(KEY_LALT);
  Frames(1);
  EXPECT_TRUE(std::filesystem::exists("screenshots/pic0.png"));
  EXPECT_TRUE(GamePaused());
  Tap(KEY_ESCAPE);
  Frames(1);
  EXPECT_FALSE(GamePaused());
  EXPECT_NE(GameState, kStateGame) << "the ship was given up and the highscore screen came";
}

TEST_F(StartedGame, ThereIsNoPauseOutsideTheGame) {
  ASSERT_NO_FATAL_FAILURE(Start(kStateMainMenu));
  Tap(LetterKey('P'));
  FeedFocusLost();
  Frames(2);
  EXPECT_FALSE(GamePaused());
  const int clock = FrameClock;
  Frames(1);
  EXPECT_EQ(FrameClock, clock + 16);
}

}  // namespace
}  // namespace tolvex
