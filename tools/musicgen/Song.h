// How a song is written down: its sound, its grooves and phrases, and the sections it runs
// through. The arranger plays it; the songs themselves are in Songs.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "musicgen/Instruments.h"

namespace tolvex::music {

// A value that moves from `from` at a section's first bar to `to` at its last.
struct Ramp {
  double from = 0.0, to = 0.0;
  double at(double progress) const { return from + (to - from) * progress; }
};

// One bar of rhythm, each part a pattern of kStepsPerBar steps.
// Drums: '.' nothing, 'o' soft, 'x' hit, 'X' accent.
// Bass: 'R' the chord's root, 'O' an octave above it, 'F' its fifth, '-' holds the note before, '.' rest.
// Arpeggio: a digit n plays the chord's tone n (0-2 the triad, 3-5 an octave higher), '.' rests.
struct Groove {
  std::string kick, snare, hats, openHats, bass, arp;
  double bassGate = 0.8;  // how much of its steps a bass note sounds
};

// What happens in a section's last bar.
enum class Fill {
  None,
  // The snare in sixteenths, growing louder.
  SnareRoll,
  // Toms falling in pitch over the second half.
  Toms,
  // Everything stops for the last two steps.
  Break,
};

// A stretch of the song with the same parts playing.
struct Section {
  int bars = 4;
  // One chord a bar, repeated through the section.
  std::vector<std::string> chords;
  int groove = 0;
  // How loud each part plays, 0..1; 0 rests it.
  float kick = 0, snare = 0, hats = 0, bass = 0, pad = 0, arp = 0, lead = 0;
  // The lead's phrase, repeated through the section, and its shift in semitones.
  int phrase = -1;
  int leadShift = 0;
  Ramp padCutoff{1500.0, 1500.0};
  Ramp bassCutoff{250.0, 250.0};
  Fill fill = Fill::None;
  // A crash and a low boom on the first beat.
  bool lands = false;
  // A rising noise over this many of the section's last bars.
  int riserBars = 0;
};

struct SongPlan {
  // The title: the file is the title + ".ogg", and the game shows it.
  std::string title;
  double bpm = 128.0;
  // Seeds the noise of the drums and the pads' phases; the Ogg stream's serial number.
  std::uint64_t seed = 1;
  std::uint32_t serial = 1;
  // Lowest notes of the bass roots, the pad voicings (with their highest) and the arpeggio.
  int bassLow = 33, padLow = 55, padHigh = 74, arpLow = 64;
  BassTone bassTone;
  PadTone padTone;
  double leadBrightness = 1800.0;
  double arpCutoff = 2200.0;
  double reverbSeconds = 2.6, reverbDamping = 0.5;
  // The echo's delay in beats (0.75: a dotted eighth) and how much of each repeat comes back.
  double echoBeats = 0.75, echoFeedback = 0.38;
  std::vector<Groove> grooves;
  // Lead melodies in the notation of parsePhrase.
  std::vector<std::string> phrases;
  std::vector<Section> sections;
};

// The three songs that ship with the game.
const std::vector<SongPlan>& shippedSongs();

}  // namespace tolvex::music
