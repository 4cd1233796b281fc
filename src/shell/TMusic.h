#pragma once
// The music playlist: a few Ogg Vorbis songs from the "music" folders (the player's and the one
// the game ships with, platform/GameFolders.h), chosen at start-up and played one after another,
// never the same twice in a row, at MusicVolume.
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "platform/MusicEngine.h"

namespace tolvex {

class RandomSource;

// The music engine, created once at start-up; null when the game runs silent.
extern MusicEnginePtr SoundEngine;

// One song of the playlist.
class TMusic {
 public:
  // The song's music folder + "\" + file name.
  std::string path;
  // The file name without its extension and the dot before it.
  std::string name;
  // The engine could not play the file; it is not tried again this run.
  bool broken = false;

  // The chosen songs, in folder listing order.
  static std::vector<TMusic> SongList;
  // Index of the song playing or last played.
  static int CurrentSong;
  // The song now playing, or null.
  static MusicSoundPtr CurrentSound;

  // Music is on while MusicVolume > 0 and SongNumber > 0.
  static bool IsOn();
  // Chooses SongNumber of the folder's songs (all of them if there are no more) and the song
  // to avoid first; with no songs, music is off for this run.
  static void Init();
  // Puts the song of the file at path into SongList at CurrentSong.
  static void LoadSong(std::string_view path);
  // Once per frame: starts another song when none is playing, and keeps the volume in step.
  static void Play();
  // The current song's name while music is on, else "music deactivated".
  static std::string GetTitle();

  // The dice of the song choice, kept apart from the game's so that songs ending at moments of
  // the sound card's choosing never shift the game's random sequence.
  static RandomSource& Dice();
  // Forgets the playlist, the playing song and the engine (tests; shut-down before the audio closes).
  static void Reset();

 private:
  // Draws the next song into CurrentSong, skipping songs that would not play; false when none will.
  static bool PickNextSong();
};

// The "music" key of the state dump: on, the songs, the current title and whether it is playing.
void DumpMusic(nlohmann::json& dump);

}  // namespace tolvex
