// The three songs that ship with the game: driving bass and drums under wide pads, a plucked
// arpeggio, and a lead that comes in for the big sections and leaves again. Each song starts
// quietly, builds, breaks down, lands again and winds down into its own beginning.
#include "musicgen/Song.h"

namespace tolvex::music {

namespace {

SongPlan nebulaRun() {
  SongPlan song;
  song.title = "Nebula Run";
  song.bpm = 128.0;
  song.seed = 0x4E65627531ULL;
  song.serial = 0x544F4C01u;
  song.bassLow = 33, song.padLow = 55, song.padHigh = 74, song.arpLow = 64;
  song.bassTone = {260.0, 1400.0, 0.3f};
  song.padTone = {1500.0, 0.6, 1.4, 0.45f};
  song.leadBrightness = 1900.0, song.arpCutoff = 2400.0;
  song.reverbSeconds = 2.6, song.reverbDamping = 0.45;
  song.echoBeats = 0.75, song.echoFeedback = 0.38;
  song.grooves = {
      // 0: floating — offbeat ticks and a held bass.
      {"................", "................", "..x...x...x...x.", "................", "R---------------",
       "0123210123454321", 0.95},
      // 1: the drive — four on the floor, octave-jumping eighths.
      {"X...x...X...x...", "....X.......X...", "xo.oxo.oxo.oxo.o", "..x...x...x...x.", "R-ROR-ROR-ROR-RO",
       "0123210123454321", 0.75},
      // 2: full — sixteenth hats and a bass that never stops.
      {"X...x...X...x..x", "....X.......X...", "xoxoxoxoxoxoxoxo", "..x...x...x...x.", "RRORRROFRRORRROF",
       "0123210123454321", 0.6},
      // 3: the breakdown — half notes and a slow arpeggio.
      {"................", "................", "........o.......", "................", "R-------R-------",
       "0.1.2.3.4.3.2.1.", 0.95},
  };
  song.phrases = {
      // The theme.
      "A4/4 C5/2 E5/4 D5/2 C5/2 B4/2 | A4/6 F4/2 A4/2 C5/6 | G4/4 C5/2 E5/4 G5/2 E5/2 D5/2 | D5/8 B4/4 G4/4 | "
      "A4/4 C5/2 E5/4 A5/2 G5/2 E5/2 | F5/6 E5/2 C5/4 A4/4 | G5/4 E5/2 C5/2 E5/4 D5/4 | B4/8 D5/4 E5/4",
      // The verse's call and answer.
      "r/4 E4/2 A4/2 C5/4 B4/2 A4/2 | C5/8 r/4 A4/2 C5/2 | E5/6 D5/2 C5/4 G4/4 | B4/12 r/4",
  };
  const std::vector<std::string> main = {"Am", "F", "C", "G"};
  song.sections = {
      {.bars = 4, .chords = main, .groove = 0, .bass = 0.5f, .pad = 0.9f, .padCutoff = {500, 1100}},
      {.bars = 4, .chords = main, .groove = 0, .snare = 0.6f, .hats = 0.35f, .bass = 0.55f, .pad = 0.9f, .arp = 0.4f,
       .padCutoff = {1100, 1500}, .fill = Fill::SnareRoll, .riserBars = 2},
      {.bars = 8, .chords = main, .groove = 1, .kick = 1, .snare = 0.9f, .hats = 0.8f, .bass = 1, .pad = 0.7f,
       .arp = 0.5f, .lands = true},
      {.bars = 8, .chords = main, .groove = 1, .kick = 1, .snare = 0.9f, .hats = 0.8f, .bass = 1, .pad = 0.7f,
       .arp = 0.4f, .lead = 0.8f, .phrase = 1, .fill = Fill::Toms},
      {.bars = 16, .chords = main, .groove = 2, .kick = 1, .snare = 1, .hats = 0.85f, .bass = 1, .pad = 0.85f,
       .arp = 0.45f, .lead = 0.9f, .phrase = 0, .padCutoff = {2000, 2400}, .bassCutoff = {300, 300},
       .fill = Fill::Break, .lands = true},
      {.bars = 4, .chords = {"Dm", "F", "C", "G"}, .groove = 3, .hats = 0.4f, .bass = 0.6f, .pad = 1, .arp = 0.5f,
       .padCutoff = {900, 1600}},
      {.bars = 4, .chords = {"Dm", "F", "C", "G"}, .groove = 3, .snare = 0.8f, .hats = 0.5f, .bass = 0.6f, .pad = 1,
       .arp = 0.55f, .padCutoff = {1600, 2600}, .bassCutoff = {200, 700}, .fill = Fill::SnareRoll, .riserBars = 4},
      {.bars = 8, .chords = main, .groove = 2, .kick = 1, .snare = 1, .hats = 0.9f, .bass = 1, .pad = 0.9f,
       .arp = 0.5f, .lead = 0.9f, .phrase = 0, .padCutoff = {2400, 2400}, .bassCutoff = {320, 320},
       .fill = Fill::Toms, .lands = true},
      {.bars = 4, .chords = main, .groove = 1, .kick = 0.8f, .snare = 0.7f, .hats = 0.6f, .bass = 0.8f, .pad = 0.8f,
       .arp = 0.45f, .padCutoff = {1800, 1400}},
      {.bars = 4, .chords = main, .groove = 0, .hats = 0.3f, .bass = 0.5f, .pad = 0.85f, .arp = 0.3f,
       .padCutoff = {1300, 550}},
  };
  return song;
}

SongPlan hyperspaceDrift() {
  SongPlan song;
  song.title = "Hyperspace Drift";
  song.bpm = 140.0;
  song.seed = 0x4879706572ULL;
  song.serial = 0x544F4C02u;
  song.bassLow = 38, song.padLow = 57, song.padHigh = 76, song.arpLow = 62;
  song.bassTone = {300.0, 1700.0, 0.25f};
  song.padTone = {1700.0, 0.5, 1.2, 0.4f};
  song.leadBrightness = 2100.0, song.arpCutoff = 2800.0;
  song.reverbSeconds = 3.0, song.reverbDamping = 0.4;
  song.echoBeats = 0.75, song.echoFeedback = 0.4;
  song.grooves = {
      // 0: drifting — quiet eighth ticks, a held bass, a quick arpeggio.
      {"................", "................", "x.x.x.x.x.x.x.x.", "................", "R-------R-------",
       "0124210401242104", 0.95},
      // 1: the break — a syncopated kick, ghost snares, a rolling bass.
      {"X.....X...X..x..", "....X..o.o..X..o", "x.x.x.x.x.x.x.xo", "......x.......x.", "R.RRO.R.R.ROR.F.",
       "0124210401242104", 0.7},
      // 2: the drive — four on the floor and sixteenth bass.
      {"X...X...X...X...", "....X.......X...", "xoxoxoxoxoxoxoxo", "..x...x...x...x.", "RRORRROFRRORRROF",
       "0124210401242104", 0.6},
      // 3: floating — no drums, long bass, an open arpeggio.
      {"................", "................", "................", "................", "R---------------",
       "0.2.4.5.4.2.1.2.", 0.95},
  };
  song.phrases = {
      "D5/3 F5/3 A5/2 G5/2 F5/2 E5/2 F5/2 | D5/6 C5/2 Bb4/4 F4/4 | G4/3 Bb4/3 D5/2 C5/2 Bb4/2 A4/2 Bb4/2 | "
      "C#5/8 E5/4 A4/4 | D5/3 F5/3 A5/2 C6/4 A5/4 | Bb5/6 A5/2 F5/4 D5/4 | G5/4 F5/2 E5/2 D5/4 Bb4/4 | "
      "A4/4 C#5/4 E5/4 G5/4",
      "A4/2 r/2 A4/2 D5/2 r/2 F5/2 E5/4 | D5/8 r/8 | G4/2 r/2 G4/2 Bb4/2 r/2 D5/2 C5/4 | C#5/8 r/4 E4/4",
  };
  const std::vector<std::string> main = {"Dm", "Bb", "Gm", "A"};
  song.sections = {
      {.bars = 4, .chords = main, .groove = 0, .bass = 0.4f, .pad = 0.9f, .arp = 0.35f, .padCutoff = {600, 1200}},
      {.bars = 4, .chords = main, .groove = 0, .snare = 0.6f, .hats = 0.4f, .bass = 0.5f, .pad = 0.9f, .arp = 0.4f,
       .padCutoff = {1200, 1600}, .fill = Fill::SnareRoll, .riserBars = 2},
      {.bars = 8, .chords = main, .groove = 1, .kick = 1, .snare = 0.9f, .hats = 0.8f, .bass = 1, .pad = 0.6f,
       .arp = 0.5f, .lands = true},
      {.bars = 8, .chords = main, .groove = 1, .kick = 1, .snare = 0.9f, .hats = 0.8f, .bass = 1, .pad = 0.6f,
       .arp = 0.4f, .lead = 0.8f, .phrase = 1, .fill = Fill::Toms},
      {.bars = 16, .chords = main, .groove = 2, .kick = 1, .snare = 1, .hats = 0.85f, .bass = 1, .pad = 0.85f,
       .arp = 0.45f, .lead = 0.9f, .phrase = 0, .padCutoff = {2200, 2600}, .bassCutoff = {340, 340},
       .fill = Fill::Break, .lands = true},
      {.bars = 8, .chords = {"Gm", "Bb", "F", "A"}, .groove = 3, .snare = 0.8f, .bass = 0.5f, .pad = 1, .arp = 0.5f,
       .padCutoff = {800, 2600}, .bassCutoff = {200, 600}, .fill = Fill::SnareRoll, .riserBars = 4},
      {.bars = 8, .chords = main, .groove = 2, .kick = 1, .snare = 1, .hats = 0.9f, .bass = 1, .pad = 0.9f,
       .arp = 0.5f, .lead = 0.9f, .phrase = 0, .padCutoff = {2600, 2600}, .bassCutoff = {340, 340}, .lands = true},
      {.bars = 8, .chords = main, .groove = 1, .kick = 1, .snare = 0.9f, .hats = 0.8f, .bass = 1, .pad = 0.7f,
       .arp = 0.5f, .padCutoff = {2200, 1800}, .fill = Fill::Toms},
      {.bars = 4, .chords = main, .groove = 1, .kick = 0.7f, .snare = 0.6f, .hats = 0.6f, .bass = 0.7f, .pad = 0.8f,
       .arp = 0.4f, .padCutoff = {1800, 1300}},
      {.bars = 4, .chords = main, .groove = 0, .hats = 0.3f, .bass = 0.4f, .pad = 0.85f, .arp = 0.3f,
       .padCutoff = {1200, 650}},
  };
  return song;
}

SongPlan redGiant() {
  SongPlan song;
  song.title = "Red Giant";
  song.bpm = 120.0;
  song.seed = 0x5265644769ULL;
  song.serial = 0x544F4C03u;
  song.bassLow = 28, song.padLow = 52, song.padHigh = 71, song.arpLow = 64;
  song.bassTone = {200.0, 900.0, 0.35f};
  song.padTone = {1300.0, 1.0, 1.8, 0.5f};
  song.leadBrightness = 1500.0, song.arpCutoff = 2000.0;
  song.reverbSeconds = 3.4, song.reverbDamping = 0.55;
  song.echoBeats = 1.0, song.echoFeedback = 0.35;
  song.grooves = {
      // 0: the drone — a held bass and a slow shimmer.
      {"................", "................", "................", "................", "R---------------",
       "0...2...4...2...", 0.95},
      // 1: half time — the snare on the third beat, a heavy pushing bass.
      {"X.........x..x..", "........X.......", "x.x.x.x.x.x.x.x.", "..............x.", "R-----R---R-O-F-",
       "................", 0.9},
      // 2: full — a backbeat, sixteenth hats and driving eighths.
      {"X.........X..X..", "....X.......X...", "xoxoxoxoxoxoxoxo", "..x...x...x...x.", "R-R-R-O-R-R-F-O-",
       "0.1.2.4.2.1.2.4.", 0.8},
      // 3: open space — soft ticks, half-note bass, a rising arpeggio.
      {"................", "................", "....o.......o...", "................", "R-------R-------",
       "0...1...2...4...", 0.95},
  };
  song.phrases = {
      "B4/8 E5/4 G5/4 | G5/6 F#5/2 E5/8 | E5/8 C5/4 A4/4 | B4/12 D#5/4 | E5/8 G5/4 B5/4 | C6/8 B5/4 G5/4 | "
      "A5/6 G5/2 F#5/4 E5/4 | D#5/8 F#5/4 B4/4",
      "E4/4 G4/4 B4/6 A4/2 | G4/8 E4/8 | A4/4 C5/4 E5/6 D5/2 | D#5/8 B4/8",
  };
  const std::vector<std::string> main = {"Em", "C", "Am", "B"};
  song.sections = {
      {.bars = 4, .chords = main, .groove = 0, .bass = 0.5f, .pad = 1, .arp = 0.35f, .padCutoff = {400, 900}},
      {.bars = 4, .chords = main, .groove = 3, .snare = 0.6f, .hats = 0.35f, .bass = 0.6f, .pad = 1, .arp = 0.4f,
       .padCutoff = {900, 1300}, .fill = Fill::SnareRoll, .riserBars = 2},
      {.bars = 8, .chords = main, .groove = 1, .kick = 1, .snare = 1, .hats = 0.7f, .bass = 1, .pad = 0.7f,
       .lands = true},
      {.bars = 8, .chords = main, .groove = 1, .kick = 1, .snare = 1, .hats = 0.7f, .bass = 1, .pad = 0.7f,
       .lead = 0.75f, .phrase = 1, .fill = Fill::Toms},
      {.bars = 8, .chords = main, .groove = 2, .kick = 1, .snare = 1, .hats = 0.85f, .bass = 1, .pad = 0.9f,
       .arp = 0.4f, .lead = 0.9f, .phrase = 0, .padCutoff = {1800, 2200}, .bassCutoff = {260, 260},
       .fill = Fill::Break, .lands = true},
      {.bars = 8, .chords = {"Am", "C", "D", "B"}, .groove = 3, .snare = 0.8f, .hats = 0.4f, .bass = 0.5f, .pad = 1,
       .arp = 0.45f, .lead = 0.5f, .phrase = 1, .leadShift = 12, .padCutoff = {700, 2200},
       .bassCutoff = {180, 500}, .fill = Fill::SnareRoll, .riserBars = 4},
      {.bars = 8, .chords = main, .groove = 2, .kick = 1, .snare = 1, .hats = 0.9f, .bass = 1, .pad = 0.9f,
       .arp = 0.45f, .lead = 0.9f, .phrase = 0, .padCutoff = {2200, 2200}, .bassCutoff = {280, 280},
       .fill = Fill::Toms, .lands = true},
      {.bars = 8, .chords = main, .groove = 1, .kick = 0.9f, .snare = 0.9f, .hats = 0.6f, .bass = 0.9f, .pad = 0.8f,
       .padCutoff = {1600, 1100}},
      {.bars = 4, .chords = main, .groove = 0, .bass = 0.5f, .pad = 0.9f, .arp = 0.3f, .padCutoff = {1000, 450}},
  };
  return song;
}

}  // namespace

const std::vector<SongPlan>& shippedSongs() {
  static const std::vector<SongPlan> songs = {nebulaRun(), hyperspaceDrift(), redGiant()};
  return songs;
}

}  // namespace tolvex::music
