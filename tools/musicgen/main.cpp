// Writes the songs that ship with the game into a folder:
//   tolvex_musicgen OUTPUT_DIR
// Each song is composed in Songs.cpp, played by the arranger and encoded as "<title>.ogg".
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <iostream>

#include "musicgen/Arranger.h"
#include "musicgen/Master.h"
#include "musicgen/OggVorbisFile.h"

int main(int argc, char** argv) {
  using namespace tolvex::music;
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " OUTPUT_DIR\n";
    return 2;
  }
  const std::filesystem::path outDir = argv[1];
  std::filesystem::create_directories(outDir);
  int failures = 0;
  for (const SongPlan& plan : shippedSongs()) {
    const std::clock_t started = std::clock();
    const Stereo song = renderSong(plan);
    const std::filesystem::path path = outDir / (plan.title + ".ogg");
    if (!writeOggVorbis(path, song, plan.title, plan.serial)) {
      std::cerr << "cannot write " << path << "\n";
      ++failures;
      continue;
    }
    std::cout << std::fixed << std::setprecision(1) << plan.title << ": "
              << static_cast<double>(song.frames()) / kSampleRate << " s, " << rmsDb(song) << " dB RMS, "
              << static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC << " s CPU\n";
  }
  return failures == 0 ? 0 : 1;
}
