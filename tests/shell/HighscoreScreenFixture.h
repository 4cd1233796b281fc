#pragma once
// The highscore screen's state in a running shell, with a fresh world, list and menu, a stepped
// clock and the shell's state changes.
#include <string>
#include <vector>

#include "../world/ShipWorldFixture.h"
#include "core/GameRequests.h"
#include "platform/Clock.h"
#include "scores/TScore.h"
#include "shell/GameStates.h"
#include "shell/HighscoreScreen.h"
#include "shell/TMusic.h"
#include "ui/TMenue.h"

namespace tolvex {

class HighscoreScreenTest : public ShipWorldTest {
 protected:
  void SetUp() override {
    ShipWorldTest::SetUp();
    TScore::ScoreList().Clear();
    ResetMenu();
    UseSteppedClock(16);
    SetGameStateChanger(ChangeGameState);
    GameState = kStateGame;
    PlayerName = "Ace";
  }
  void TearDown() override {
    SetGameStateChanger(nullptr);
    HighscorePanel = nullptr;
    ResetMenu();
    TScore::ScoreList().Clear();
    UseSteppedClock(0);
    ShipWorldTest::TearDown();
  }

  // A game that ends with the player's ship destroyed.
  static void FinishGame(float points, int kills, int multikill) {
    const TShipPtr player = MakePlayer();
    player->Points = points;
    player->Kills = kills;
    player->MultikillHighest = multikill;
    player->Remove();
  }
  static std::vector<std::string> PanelLines() { return HighscorePanel ? HighscorePanel->Content : std::vector<std::string>{}; }
  static const std::vector<std::string>& Credits() {
    static const std::vector<std::string> credits = {
        "A Tolvex team production", "", "programmed by", "the Tolvex team", "no web site yet - see README.md", "",
        "made with C++20, SDL2, libpng, libjpeg, zlib and nettle", "using SDL2_mixer", "", "thanks to:",
        "the SDL developers [code]", "the nettle developers [code]", "Xvfb and xdotool [testing]",
        "GoogleTest [testing]"};
    return credits;
  }
  // With MusicVolume above 0: the song's title (none here, the playlist is empty) and its source.
  static const std::vector<std::string>& MusicLines() {
    static const std::vector<std::string> lines = {
        "", "Music: music deactivated", "songs from the music folder - ours are composed by tools/musicgen"};
    return lines;
  }
};

}  // namespace tolvex
