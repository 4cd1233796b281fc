// Note names, chords, voicings and written phrases.
#include <gtest/gtest.h>

#include <stdexcept>

#include "musicgen/Theory.h"

namespace tolvex::music {
namespace {

TEST(Theory, NoteNamesGiveMidiNumbers) {
  EXPECT_EQ(noteNumber("A4"), 69);
  EXPECT_EQ(noteNumber("C4"), 60);
  EXPECT_EQ(noteNumber("C#5"), 73);
  EXPECT_EQ(noteNumber("Bb3"), 58);
  EXPECT_EQ(noteNumber("Cb4"), 59) << "an accidental may cross into the octave below";
  EXPECT_EQ(noteNumber("B#3"), 60);
  EXPECT_EQ(noteNumber("E1"), 28);
  for (const char* bad : {"H4", "A", "a4", "C#", "C4x", ""}) {
    EXPECT_THROW(noteNumber(bad), std::invalid_argument) << bad;
  }
}

TEST(Theory, ChordsAreTriadsOfTheirRoot) {
  EXPECT_EQ(chordOf("Am").tones(), (std::vector<int>{9, 0, 4}));
  EXPECT_EQ(chordOf("F").tones(), (std::vector<int>{5, 9, 0}));
  EXPECT_EQ(chordOf("Bb").tones(), (std::vector<int>{10, 2, 5}));
  EXPECT_EQ(chordOf("C#m").tones(), (std::vector<int>{1, 4, 8}));
  EXPECT_THROW(chordOf("Amaj7"), std::invalid_argument);
  EXPECT_EQ(rootAtOrAbove(chordOf("Am"), 33), 33);
  EXPECT_EQ(rootAtOrAbove(chordOf("G"), 33), 43);
}

TEST(Theory, VoicingsStayInRangeAndMoveLittle) {
  const auto am = voiceChord(chordOf("Am"), {}, 55, 74);
  EXPECT_EQ(am, (std::vector<int>{57, 60, 64})) << "the lowest voicing in range to start";
  const auto f = voiceChord(chordOf("F"), am, 55, 74);
  EXPECT_EQ(f, (std::vector<int>{57, 60, 65})) << "A and C stay, E steps up to F";
  const auto g = voiceChord(chordOf("G"), f, 55, 74);
  for (const int note : g) {
    EXPECT_GE(note, 55);
    EXPECT_LE(note, 74);
  }
  EXPECT_EQ(g, (std::vector<int>{59, 62, 67}));
}

TEST(Theory, PhrasesCountStepsAndCheckTheirBars) {
  const Phrase phrase = parsePhrase("A4/4 r/4 C5/8 | E5/16");
  EXPECT_EQ(phrase.steps, 32);
  ASSERT_EQ(phrase.notes.size(), 3u);
  EXPECT_EQ(phrase.notes[1].step, 8);
  EXPECT_EQ(phrase.notes[1].length, 8);
  EXPECT_EQ(phrase.notes[1].pitch, 72);
  EXPECT_EQ(phrase.notes[2].step, 16);
  EXPECT_THROW(parsePhrase("A4/4 C5/8 | E5/16"), std::invalid_argument) << "a bar of 12 steps";
  EXPECT_THROW(parsePhrase("A4/16 | E5/15"), std::invalid_argument) << "a last bar of 15 steps";
  EXPECT_THROW(parsePhrase("A4 C5/12"), std::invalid_argument) << "a note without a length";
}

}  // namespace
}  // namespace tolvex::music
