// The pitched instruments: a driving bass, wide pads, a plucked arpeggio and a gliding lead.
#pragma once

#include <cstddef>
#include <vector>

#include "Noise.h"
#include "musicgen/Mix.h"

namespace tolvex::music {

// How bright the bass is: its filter's resting cutoff and how far each note opens it (Hz).
struct BassTone {
  double cutoff = 300.0;
  double sweep = 1200.0;
  float pump = 0.35f;  // how much the kick ducks it, 0..1
};

// One bass note of `frames` length (MIDI `pitch`), mono in the middle.
void bassNote(Mix& mix, std::size_t at, std::size_t frames, int pitch, float velocity, const BassTone& tone);

// How the pads sound: their filter, how slowly they swell and fade, and how much the kick ducks them.
struct PadTone {
  double cutoff = 1800.0;
  double attack = 0.8;
  double release = 1.6;
  float pump = 0.5f;
};

// A chord held for `frames`: every note a cluster of detuned saws spread across the stereo field.
void padChord(Mix& mix, std::size_t at, std::size_t frames, const std::vector<int>& pitches, float velocity,
              const PadTone& tone, sfx::Rng& rng);

// One short plucked note of the arpeggio, at `pan`, echoing.
void pluck(Mix& mix, std::size_t at, int pitch, float velocity, float pan, double cutoff);

// One note of a lead line: where it starts and ends (frames from the line's start) and its pitch.
struct LeadNote {
  std::size_t start = 0, end = 0;
  int pitch = 0;
};

// A monophonic lead line: notes that touch glide into each other, long notes grow a vibrato, and
// the line echoes and rings in the reverb.
void leadLine(Mix& mix, std::size_t at, const std::vector<LeadNote>& notes, float velocity, double brightness);

}  // namespace tolvex::music
