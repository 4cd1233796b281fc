#pragma once
// The local highscore list: the ten best results and the best multikill rank ever, kept in the
// enciphered file "Highscore.txt" in the player's folder (platform/GameFolders.h).
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/TList.h"
#include "platform/Clock.h"
#include "scores/OnlineRecord.h"

namespace tolvex {


// One entry of the highscore list; the type's static operations manage the whole list.
class TScore {
 public:
  // The version text: in the file's first line, in every check value, and the online client's name.
  static constexpr std::string_view Version = kOnlineVersionText;
  static constexpr std::string_view FileName = "Highscore.txt";
  static constexpr std::string_view FileKey = "4167093";
  // How many entries the list keeps after Sort.
  static constexpr std::size_t ListLimit = 10;

  // Trimmed; never holds "=", "," or a line break, so it always reads back from the file.
  std::string name;
  // Never 0.
  int points = 0;
  // "06 Dec 2026/21:15:03" when made here, or the text the online table sent.
  std::string time;
  // The highest multikill count of the game.
  int rank = 0;
  // Known to the online table (sent, or received from it).
  bool online = false;
  // Made in this run of the program (marked on screen); never stored.
  bool newentry = false;
  std::shared_ptr<TLink<TScore>> _link;

  // The list, in its current order.
  static TList<TScore>& ScoreList();

  // Empties the list and reads the file again.
  static void Init();
  // Appends an entry unless its points are 0 or the same entry is already listed; an empty time
  // of a local entry is stamped with now and the entry marked new. Raises the best rank.
  static void Add(std::string name, int points, std::string time, int rank, bool online);
  // Highest points first (equal points keep their order), then cuts the list to ListLimit.
  static bool Sort();
  // The points a result must beat to enter a full list; 0 while the list is not full.
  static int GetLowest();
  // Writes the best rank and the list to the file; the old file stays whole if that fails.
  static void Save();
  // Adds the file's entries whose check values hold, and takes its best rank.
  static void Load();
  // The highscore panel's lines: a heading of two lines, then a blank line and a line per entry.
  static std::vector<std::string> PanelLines();
  // Appends the panel's lines to a text panel (the highscore screen's TTextfield: anything with
  // AddContent), so the list needs nothing of the interface.
  template <class Panel>
  static void FillTextfield(Panel& panel) {
    for (const std::string& line : PanelLines()) panel.AddContent(line);
  }
  // Splits a file line: the key before the first "=", then the comma-separated fields after it.
  static std::vector<std::string> extractParams(std::string_view line);

  // The online table (TScoreOnline.cpp); each exchange waits at most a few seconds.
  // Asks the server whether it accepts this version; a refusal or no answer switches
  // OnlineHighscore off and returns false.
  static bool Connect();
  // Sends one entry under the banner; true when the server stored it.
  static bool Highscore_Submit(const std::string& name, int points, const std::string& time, int rank);
  // Adds up to limit of the table's best entries, marked online, under the banner; false when the
  // server could not be reached (nothing is added then).
  static bool Highscore_Get(int limit);
  // The update button: sends the entries the table does not know yet, fetches its ten best, saves.
  // Does nothing while OnlineHighscore is off; stops at the first exchange that fails.
  static void OnlineUpdate();

  // 0 for the same entry or equal points; 1 when other has more points, −1 when fewer.
  int compare(const TScore& other) const;
  // Takes the entry out of the list.
  void Remove();
};
using TScorePtr = std::shared_ptr<TScore>;

// A name as the list keeps it: outer blanks and control characters trimmed, "=", "," and line
// breaks taken out, so that it always reads back from the file.
std::string CleanScoreName(std::string name);
// The check value of a file entry: MD5 of its fields in decimal and the version text.
std::string EntryCheckValue(std::string_view name, int points, std::string_view time, int rank, int online);
// The text Save enciphers: the version line, the best rank and one line per entry.
std::string HighscorePlainText();
// Adds the entries of a deciphered highscore text whose check values hold, and takes its best rank.
void ReadHighscoreText(std::string_view text);
// Deciphers the bytes of a highscore file and reads its text.
void ReadHighscoreFile(std::span<const std::uint8_t> file);
// "06 Dec 2026/21:15:03": the time stamp of a new local entry.
std::string ScoreTimeStampNow();
// The date and time of such a stamp; nothing for another text (the online table may send any).
std::optional<DateTime> ParseScoreTimeStamp(std::string_view stamp);

}  // namespace tolvex
