// Notes, chords and written phrases: the little music theory the songs are composed in.
#pragma once

#include <string_view>
#include <vector>

namespace tolvex::music {

// Steps of a bar: every song counts in sixteenth notes, four beats to the bar.
inline constexpr int kStepsPerBar = 16;

// The MIDI number of a note name such as "A4", "C#5" or "Bb3" (C4 = 60); throws
// std::invalid_argument for anything else.
int noteNumber(std::string_view name);

// A triad: its root as a pitch class (0 = C) and whether its third is minor.
struct Chord {
  int root = 0;
  bool minor = false;
  // The three pitch classes root, third, fifth.
  std::vector<int> tones() const;
};

// "Am", "F", "C#m", "Bb"; throws std::invalid_argument for anything else.
Chord chordOf(std::string_view name);

// The chord's notes between `low` and `high` (MIDI), three of them, in the inversion that moves
// least from `previous` (the last voicing; empty for the first chord).
std::vector<int> voiceChord(const Chord& chord, const std::vector<int>& previous, int low, int high);

// The lowest note of the chord's root at or above `low`.
int rootAtOrAbove(const Chord& chord, int low);

// One written note of a phrase: where it starts and how long it lasts, in steps.
struct PhraseNote {
  int step = 0;
  int length = 0;
  int pitch = 0;  // MIDI
};

// A written melody: notes separated by spaces, each "name/steps" or "r/steps" for a rest;
// "|" marks a bar line and is checked (every bar must hold exactly kStepsPerBar steps).
struct Phrase {
  std::vector<PhraseNote> notes;
  int steps = 0;
};
// Throws std::invalid_argument for bad notes or bars of the wrong length.
Phrase parsePhrase(std::string_view text);

}  // namespace tolvex::music
