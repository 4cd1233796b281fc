#include "shell/TMusic.h"

#include <map>

#include <nlohmann/json.hpp>

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "platform/Files.h"
#include "platform/GameFolders.h"

namespace tolvex {

MusicEnginePtr SoundEngine;

std::vector<TMusic> TMusic::SongList;
int TMusic::CurrentSong = 0;
MusicSoundPtr TMusic::CurrentSound;

namespace {

// Only files named "*.ogg" count, the extension compared as written ("A.OGG" does not).
bool IsSongFile(const std::string& path) {
  return FileExtension(path) == "ogg" && PathKind(path) == 1;
}

// The paths of the songs in the player's music folder and in the one the game ships with (the
// same folder when the game runs from its build folder), in the order of their file names; where
// both hold a file of one name, the player's copy is the one played.
std::vector<std::string> ListSongs() {
  std::map<std::string, std::string> songs;
  for (const std::string& folder : {MusicDir, ShippedPath("music")}) {
    for (const std::string& file : ListFolder(folder)) {
      const std::string path = folder + "\\" + file;
      if (IsSongFile(path)) songs.try_emplace(file, path);
    }
  }
  std::vector<std::string> paths;
  for (auto& [file, path] : songs) paths.push_back(std::move(path));
  return paths;
}

// Marks `wanted` of the n songs: each pick walks the songs in order and takes the first unchosen
// one a fair coin allows, else the first unchosen one, so earlier songs are likelier.
std::vector<bool> ChooseSongs(int n, int wanted) {
  std::vector<bool> chosen(static_cast<std::size_t>(n), false);
  for (int pick = 0; pick < wanted; ++pick) {
    int mark = -1;
    for (int song = 0; song < n && mark < 0; ++song) {
      if (!chosen[song] && TMusic::Dice().Int(0, 1) != 0) mark = song;
    }
    for (int song = 0; song < n && mark < 0; ++song) {
      if (!chosen[song]) mark = song;
    }
    chosen[mark] = true;
  }
  return chosen;
}

}  // namespace

bool TMusic::IsOn() { return MusicVolume > 0 && SongNumber > 0; }

RandomSource& TMusic::Dice() {
  static RandomSource dice;
  return dice;
}

void TMusic::Init() {
  if (!IsOn()) return;
  WriteDebugLine("Init Music: " + std::to_string(SongNumber));
  const std::vector<std::string> songs = ListSongs();
  const int n = static_cast<int>(songs.size());
  WriteDebugLine("Counted " + std::to_string(n) + " songs");
  if (n == 0) {
    SongNumber = 0;
    return;
  }
  std::vector<bool> chosen(static_cast<std::size_t>(n), true);
  if (n > SongNumber) {
    chosen = ChooseSongs(n, SongNumber);
  } else {
    SongNumber = n;
  }
  SongList.assign(static_cast<std::size_t>(SongNumber), TMusic{});
  CurrentSong = 0;
  for (int song = 0; song < n; ++song) {
    if (!chosen[song]) continue;
    LoadSong(songs[song]);
    ++CurrentSong;
  }
  CurrentSong = Dice().Int(0, SongNumber - 1);
}

void TMusic::LoadSong(std::string_view path) {
  if (CurrentSong < 0 || CurrentSong >= static_cast<int>(SongList.size())) return;
  TMusic& song = SongList[CurrentSong];
  song.path = std::string(path);
  const std::string_view file = path.substr(path.find_last_of("\\/") + 1);
  song.name = std::string(file.substr(0, file.find_last_of('.')));
  song.broken = false;
  WriteDebugLine("LoadSong: " + std::string(file) + " to " + std::to_string(SongList.size() - 1));
}

bool TMusic::PickNextSong() {
  const int count = static_cast<int>(SongList.size());
  int playable = 0;
  for (const TMusic& song : SongList) playable += song.broken ? 0 : 1;
  if (playable == 0) return false;
  // With one song left that plays, it plays again; otherwise never the same song twice in a row.
  const bool onlyTheCurrentPlays = playable == 1 && !SongList[CurrentSong].broken;
  if (count > 1 && !onlyTheCurrentPlays) {
    const int old = CurrentSong;
    int next = old;
    while (next == old || SongList[next].broken) next = Dice().Int(0, count - 1);
    WriteDebugLine("Find new song");
    WriteDebugLine("Change Song " + SongList[old].name + " ->" + SongList[next].name);
    CurrentSong = next;
  }
  return !SongList[CurrentSong].broken;
}

void TMusic::Play() {
  if (!IsOn() || !SoundEngine || SongList.empty()) return;
  if (!CurrentSound || CurrentSound->IsFinished()) {
    const int previous = CurrentSong;
    if (!PickNextSong()) return;
    TMusic& song = SongList[CurrentSong];
    CurrentSound = SoundEngine->Play2D(song.path);
    if (!CurrentSound) {
      // A file that will not play is skipped from now on, so it costs one try, not one per
      // frame; the next frame picks again, still avoiding the song that played last.
      song.broken = true;
      CurrentSong = previous;
      WriteDebugLine("Cannot play " + song.path);
      return;
    }
  }
  CurrentSound->SetVolume(MusicVolume);
}

std::string TMusic::GetTitle() {
  if (!IsOn()) return "music deactivated";
  if (CurrentSong < 0 || CurrentSong >= static_cast<int>(SongList.size())) return "";
  return SongList[CurrentSong].name;
}

void TMusic::Reset() {
  CurrentSound.reset();
  SongList.clear();
  CurrentSong = 0;
  SoundEngine.reset();
}

void DumpMusic(nlohmann::json& dump) {
  auto songs = nlohmann::json::array();
  for (const TMusic& song : TMusic::SongList) songs.push_back(song.name);
  const bool playing = TMusic::CurrentSound && !TMusic::CurrentSound->IsFinished();
  dump["music"] = {{"on", TMusic::IsOn()}, {"songs", std::move(songs)}, {"current", TMusic::GetTitle()},
                   {"playing", playing}};
}

}  // namespace tolvex
