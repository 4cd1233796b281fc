#pragma once
// The highscore screen: the finished game entered in the list, and the panel that shows the list,
// the player's result, the best rank ever and the credits.
#include <nlohmann/json_fwd.hpp>

#include "ui/TTextfield.h"

namespace tolvex {

// The highscore screen's text panel; null outside the highscore screen.
extern TTextfieldPtr HighscorePanel;

// Reloads the list, enters the last game if it ended in death without cheats and was not entered
// yet, and saves the list.
void RecordFinishedGame();
// While off (a replay plays), the file is read once and never written: the list is kept in memory
// as it would be kept in the file, since a replay's games were entered when they were played.
void SetHighscoreSaving(bool on);
// The update button: sends and fetches the online table, then shows the list anew. A replay
// talks to no server (and so writes no file): its list stays as it is.
void UpdateFromOnlineTable();
// Builds HighscorePanel anew from the list, the last game and the credits.
void BuildHighscorePanel();
// Writes "highscorepanel": the panel's lines as the player reads them, or null without a panel.
void DumpHighscorePanel(nlohmann::json& dump);

}  // namespace tolvex
