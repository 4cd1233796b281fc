#include "musicgen/Theory.h"

#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>

namespace tolvex::music {

namespace {

// The semitones above C of a letter with an optional accidental at `pos` (-1 for "Cb", 12 for
// "B#"); advances `pos` past it.
int letterPitchAt(std::string_view text, std::size_t& pos) {
  static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (pos >= text.size() || text[pos] < 'A' || text[pos] > 'G') {
    throw std::invalid_argument("not a note: " + std::string(text));
  }
  int pitch = kLetters[text[pos++] - 'A'];
  if (pos < text.size() && text[pos] == '#') ++pitch, ++pos;
  else if (pos < text.size() && text[pos] == 'b') --pitch, ++pos;
  return pitch;
}

int numberOf(std::string_view text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    throw std::invalid_argument("not a number: " + std::string(text));
  }
  return std::atoi(std::string(text).c_str());
}

// The distance between two voicings: how far the voices move, highest voice counted twice.
int movement(const std::vector<int>& a, const std::vector<int>& b) {
  int total = 0;
  for (std::size_t i = 0; i < a.size(); ++i) total += std::abs(a[i] - b[i]) * (i + 1 == a.size() ? 2 : 1);
  return total;
}

}  // namespace

int noteNumber(std::string_view name) {
  std::size_t pos = 0;
  const int pitch = letterPitchAt(name, pos);
  return 12 * (numberOf(name.substr(pos)) + 1) + pitch;
}

std::vector<int> Chord::tones() const { return {root, (root + (minor ? 3 : 4)) % 12, (root + 7) % 12}; }

Chord chordOf(std::string_view name) {
  std::size_t pos = 0;
  Chord chord;
  chord.root = (letterPitchAt(name, pos) + 12) % 12;
  if (pos < name.size() && name[pos] == 'm') chord.minor = true, ++pos;
  if (pos != name.size()) throw std::invalid_argument("not a chord: " + std::string(name));
  return chord;
}

std::vector<int> voiceChord(const Chord& chord, const std::vector<int>& previous, int low, int high) {
  const std::vector<int> tones = chord.tones();
  std::vector<int> best;
  int bestMove = std::numeric_limits<int>::max();
  // Every inversion whose lowest note lies in range: root position, first and second inversion.
  for (int bottom = low; bottom <= high; ++bottom) {
    const int bottomClass = bottom % 12;
    for (std::size_t inversion = 0; inversion < tones.size(); ++inversion) {
      if (tones[inversion] != bottomClass) continue;
      std::vector<int> voicing{bottom};
      for (std::size_t i = 1; i < tones.size(); ++i) {
        int note = voicing.back() + 1;
        while (note % 12 != tones[(inversion + i) % tones.size()]) ++note;
        voicing.push_back(note);
      }
      if (voicing.back() > high) continue;
      const int move = previous.empty() ? voicing.front() - low : movement(voicing, previous);
      if (move < bestMove) bestMove = move, best = voicing;
    }
  }
  if (best.empty()) throw std::invalid_argument("no voicing in range");
  return best;
}

int rootAtOrAbove(const Chord& chord, int low) {
  int note = low;
  while (note % 12 != chord.root) ++note;
  return note;
}

Phrase parsePhrase(std::string_view text) {
  Phrase phrase;
  int barStart = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == ' ') {
      ++pos;
      continue;
    }
    const std::size_t end = std::min(text.find(' ', pos), text.size());
    const std::string_view token = text.substr(pos, end - pos);
    pos = end;
    if (token == "|") {
      if (phrase.steps - barStart != kStepsPerBar) throw std::invalid_argument("bar of wrong length");
      barStart = phrase.steps;
      continue;
    }
    const std::size_t slash = token.find('/');
    if (slash == std::string_view::npos) throw std::invalid_argument("no length: " + std::string(token));
    const int length = numberOf(token.substr(slash + 1));
    const std::string_view name = token.substr(0, slash);
    if (name != "r") phrase.notes.push_back({phrase.steps, length, noteNumber(name)});
    phrase.steps += length;
  }
  if (phrase.steps - barStart != kStepsPerBar) throw std::invalid_argument("bar of wrong length");
  return phrase;
}

}  // namespace tolvex::music
