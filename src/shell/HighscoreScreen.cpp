#include "shell/HighscoreScreen.h"

#include <array>
#include <nlohmann/json.hpp>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/Globals.h"
#include "core/Helpers.h"
#include "platform/Diagnostics.h"
#include "scores/RankTitle.h"
#include "scores/TScore.h"
#include "shell/TMusic.h"
#include "world/TShip.h"

namespace tolvex {

TTextfieldPtr HighscorePanel;

namespace {

// The game whose result is in the list already: coming back to the highscore screen from the
// main menu must not enter it a second time.
std::weak_ptr<TShip> recordedPlayer;
// Off while a replay plays: the file is read once, and from then on a text in memory stands in
// for it (the replayed games were entered in the file when they were played).
bool savingScores = true;
std::optional<std::string> keptText;

void ReloadList() {
  if (savingScores || !keptText) {
    TScore::Init();
    return;
  }
  TScore::ScoreList().Clear();
  ReadHighscoreText(*keptText);
}

void StoreList() {
  if (savingScores) TScore::Save();
  else keptText = HighscorePlainText();
}

bool AlreadyRecorded(const std::shared_ptr<TShip>& ship) {
  return !recordedPlayer.owner_before(ship) && !ship.owner_before(recordedPlayer);
}

constexpr std::array<std::string_view, 14> kCredits = {
    "A Tolvex team production",
    "",
    "programmed by",
    "the Tolvex team",
    "no web site yet - see README.md",
    "",
    "made with C++20, SDL2, libpng, libjpeg, zlib and nettle",
    "using SDL2_mixer",
    "",
    "thanks to:",
    "the SDL developers [code]",
    "the nettle developers [code]",
    "Xvfb and xdotool [testing]",
    "GoogleTest [testing]",
};

// Under the title of the song playing: where the songs come from.
constexpr std::string_view kMusicSource = "songs from the music folder - ours are composed by tools/musicgen";

bool FinishedGame() { return Player && Player->Dead; }

void AddResultLines(TTextfield& panel) {
  panel.AddContent("");
  if (FinishedGame()) {
    panel.AddContent("Your Score: " + std::to_string(static_cast<int>(Player->Points)) +
                     " | Kills: " + std::to_string(Player->Kills));
    panel.AddContent("Rank: " + RankTitle(Player->MultikillHighest));
  } else {
    panel.AddContent("");
  }
  if (BestRank != 0) {
    panel.AddContent("");
    panel.AddContent("Highest rank ever: " + RankTitle(BestRank) + " by " + BestRankPilot);
  }
}

void AddMusicLines(TTextfield& panel) {
  if (MusicVolume <= 0) return;
  panel.AddContent("");
  panel.AddContent("Music: " + TMusic::GetTitle());
  panel.AddContent(std::string(kMusicSource));
}

}  // namespace

void RecordFinishedGame() {
  ReloadList();
  if (FinishedGame() && !CheatUsed && !AlreadyRecorded(Player)) {
    recordedPlayer = Player;
    TScore::Add(PlayerName, static_cast<int>(Player->Points), "", Player->MultikillHighest, false);
    if (Player->MultikillHighest > BestRank) {
      BestRank = Player->MultikillHighest;
      BestRankPilot = CleanScoreName(PlayerName);
    }
  }
  TScore::Sort();
  StoreList();
}

void SetHighscoreSaving(bool on) {
  savingScores = on;
  keptText.reset();
}

void UpdateFromOnlineTable() {
  if (savingScores) TScore::OnlineUpdate();
  else WriteDebugLine("A replay leaves the online highscore table alone");
  TScore::Sort();
  BuildHighscorePanel();
}

void BuildHighscorePanel() {
  HighscorePanel = TTextfield::Create(GfxWidth / 2, GfxHeight / 10, 1.0f, TTextfield::kCentred);
  TScore::FillTextfield(*HighscorePanel);
  AddResultLines(*HighscorePanel);
  HighscorePanel->AddContent("");
  HighscorePanel->AddContent("");
  for (const std::string_view line : kCredits) HighscorePanel->AddContent(std::string(line));
  AddMusicLines(*HighscorePanel);
}

void DumpHighscorePanel(nlohmann::json& dump) {
  if (!HighscorePanel) {
    dump["highscorepanel"] = nullptr;
    return;
  }
  auto lines = nlohmann::json::array();
  for (const std::string& line : HighscorePanel->Content) lines.push_back(Latin1ToUtf8(line));
  dump["highscorepanel"] = std::move(lines);
}

}  // namespace tolvex
