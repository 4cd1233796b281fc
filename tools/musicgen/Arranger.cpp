#include "musicgen/Arranger.h"

#include <algorithm>
#include <cmath>

#include "musicgen/Drums.h"
#include "musicgen/Effects.h"
#include "musicgen/Master.h"
#include "musicgen/Theory.h"

namespace tolvex::music {

namespace {

// The toms of a fill, high to low (Hz).
constexpr double kTomHz[] = {196.0, 165.0, 131.0, 98.0};

// The weight of a drum pattern step: 0 for none.
float hitWeight(char step) {
  switch (step) {
    case 'X': return 1.0f;
    case 'x': return 0.8f;
    case 'o': return 0.45f;
    default: return 0.0f;
  }
}

// Every bar of the song with its section, in order.
struct BarPlace {
  const Section* section;
  int barInSection;
  long firstStep;
};

class Arranger {
 public:
  Arranger(const SongPlan& plan, int bars)
      : plan_(plan), stepFrames_(60.0 / plan.bpm / 4.0 * kSampleRate), rng_(plan.seed), mix_(framesFor(plan, bars)) {
    long step = 0;
    for (const Section& section : plan.sections) {
      for (int bar = 0; bar < section.bars && (bars <= 0 || static_cast<int>(bars_.size()) < bars); ++bar) {
        bars_.push_back({&section, bar, step});
        step += kStepsPerBar;
      }
    }
    for (const std::string& text : plan.phrases) phrases_.push_back(parsePhrase(text));
  }

  static std::size_t framesFor(const SongPlan& plan, int bars) {
    int total = 0;
    for (const Section& section : plan.sections) total += section.bars;
    if (bars > 0) total = std::min(total, bars);
    return static_cast<std::size_t>(std::llround(total * kStepsPerBar * 60.0 / plan.bpm / 4.0 * kSampleRate));
  }

  Stereo play() {
    for (const BarPlace& bar : bars_) drums(bar);  // first: the kick shapes the pump the others read
    std::vector<int> voicing;
    for (std::size_t i = 0; i < bars_.size(); ++i) {
      const BarPlace& bar = bars_[i];
      bass(bar);
      arpeggio(bar);
      pads(i, voicing);
      marks(bar);
      if (bar.barInSection == 0) lead(bar);
    }
    return effects();
  }

 private:
  std::size_t frameOf(long step) const { return static_cast<std::size_t>(std::llround(step * stepFrames_)); }
  const Groove& grooveOf(const Section& section) const { return plan_.grooves[section.groove]; }
  static Chord chordAt(const BarPlace& bar) {
    const auto& chords = bar.section->chords;
    return chordOf(chords[bar.barInSection % chords.size()]);
  }
  static double progressOf(const BarPlace& bar) {
    return bar.section->bars > 1 ? static_cast<double>(bar.barInSection) / (bar.section->bars - 1) : 0.0;
  }
  static bool lastBar(const BarPlace& bar) { return bar.barInSection + 1 == bar.section->bars; }
  // Drums and bass fall silent for the last two steps of a bar that ends in a break.
  static bool inBreak(const BarPlace& bar, int step) {
    return lastBar(bar) && bar.section->fill == Fill::Break && step >= kStepsPerBar - 2;
  }
  // A small random spread of velocities, so repeated hits are not machine-identical.
  float humanise(float spread) { return 1.0f + spread * static_cast<float>(rng_.bipolar()); }

  void drums(const BarPlace& bar) {
    const Section& section = *bar.section;
    const Groove& groove = grooveOf(section);
    const bool roll = lastBar(bar) && section.fill == Fill::SnareRoll;
    const bool toms = lastBar(bar) && section.fill == Fill::Toms;
    // Every fourth bar ends with two extra snare strokes leading into the next phrase.
    const bool turnaround = bar.barInSection % 4 == 3 && !lastBar(bar);
    for (int step = 0; step < kStepsPerBar; ++step) {
      if (inBreak(bar, step)) continue;
      const std::size_t at = frameOf(bar.firstStep + step);
      if (const float w = hitWeight(groove.kick[step]) * section.kick; w > 0) {
        kick(mix_, at, w * humanise(0.03f));
        pumpAfter(mix_, at, 0.6f * std::min(1.0f, w));
      }
      float snareWeight = hitWeight(groove.snare[step]);
      if (roll) snareWeight = (step % 2 == 0 || step >= 8) ? 0.3f + 0.7f * step / (kStepsPerBar - 1) : 0.0f;
      if (turnaround && step >= 14) snareWeight = std::max(snareWeight, step == 14 ? 0.4f : 0.6f);
      if (toms && step >= 8) {
        if (section.snare > 0) tom(mix_, at, 0.9f * humanise(0.05f), kTomHz[(step - 8) / 2], 0.6f - 0.4f * ((step - 8) / 2));
        snareWeight = 0;
      }
      if (const float w = snareWeight * section.snare; w > 0) snare(mix_, at, w * humanise(0.05f), rng_);
      if (const float w = hitWeight(groove.hats[step]) * section.hats; w > 0) {
        hat(mix_, at, w * humanise(0.1f), false, step % 2 == 0 ? 0.25f : 0.15f, rng_);
      }
      if (const float w = hitWeight(groove.openHats[step]) * section.hats; w > 0) {
        hat(mix_, at, w * humanise(0.08f), true, -0.2f, rng_);
      }
    }
  }

  void bass(const BarPlace& bar) {
    const Section& section = *bar.section;
    if (section.bass <= 0) return;
    const Groove& groove = grooveOf(section);
    const int root = rootAtOrAbove(chordAt(bar), plan_.bassLow);
    BassTone tone = plan_.bassTone;
    tone.cutoff = section.bassCutoff.at(progressOf(bar));
    for (int step = 0; step < kStepsPerBar; ++step) {
      const char kind = groove.bass[step];
      if (kind != 'R' && kind != 'O' && kind != 'F') continue;
      if (inBreak(bar, step)) continue;
      int steps = 1;
      while (step + steps < kStepsPerBar && groove.bass[step + steps] == '-') ++steps;
      const int pitch = root + (kind == 'O' ? 12 : kind == 'F' ? 7 : 0);
      const std::size_t at = frameOf(bar.firstStep + step);
      const auto frames = static_cast<std::size_t>(steps * stepFrames_ * groove.bassGate);
      const float accent = step % 4 == 0 ? 1.0f : 0.85f;
      bassNote(mix_, at, frames, pitch, section.bass * accent, tone);
    }
  }

  void arpeggio(const BarPlace& bar) {
    const Section& section = *bar.section;
    if (section.arp <= 0) return;
    const Groove& groove = grooveOf(section);
    const std::vector<int> triad = voiceChord(chordAt(bar), {}, plan_.arpLow, plan_.arpLow + 14);
    for (int step = 0; step < kStepsPerBar; ++step) {
      const char tone = groove.arp[step];
      if (tone < '0' || tone > '5') continue;
      const int index = tone - '0';
      const int pitch = triad[index % 3] + 12 * (index / 3);
      const float accent = step % 4 == 0 ? 1.0f : 0.7f;
      pluck(mix_, frameOf(bar.firstStep + step), pitch, section.arp * accent * humanise(0.05f),
            step % 2 == 0 ? -0.5f : 0.5f, plan_.arpCutoff);
    }
  }

  // One held chord per run of bars with the same chord in a section.
  void pads(std::size_t index, std::vector<int>& voicing) {
    const BarPlace& bar = bars_[index];
    const Section& section = *bar.section;
    if (section.pad <= 0) return;
    const std::string& name = section.chords[bar.barInSection % section.chords.size()];
    if (bar.barInSection > 0 && section.chords[(bar.barInSection - 1) % section.chords.size()] == name) return;
    int length = 1;
    while (bar.barInSection + length < section.bars &&
           section.chords[(bar.barInSection + length) % section.chords.size()] == name) {
      ++length;
    }
    voicing = voiceChord(chordOf(name), voicing, plan_.padLow, plan_.padHigh);
    PadTone tone = plan_.padTone;
    tone.cutoff = section.padCutoff.at(progressOf(bar));
    const std::size_t at = frameOf(bar.firstStep);
    padChord(mix_, at, frameOf(bar.firstStep + length * kStepsPerBar) - at, voicing, section.pad, tone, rng_);
  }

  // The section's phrase, again and again until the section ends.
  void lead(const BarPlace& bar) {
    const Section& section = *bar.section;
    if (section.lead <= 0 || section.phrase < 0) return;
    const Phrase& phrase = phrases_[section.phrase];
    const long sectionSteps = static_cast<long>(section.bars) * kStepsPerBar;
    const std::size_t start = frameOf(bar.firstStep);
    std::vector<LeadNote> notes;
    for (long repeat = 0; repeat + phrase.steps <= sectionSteps; repeat += phrase.steps) {
      for (const PhraseNote& note : phrase.notes) {
        const long first = bar.firstStep + repeat + note.step;
        notes.push_back({frameOf(first) - start, frameOf(first + note.length) - start, note.pitch + section.leadShift});
      }
    }
    leadLine(mix_, start, notes, section.lead, plan_.leadBrightness);
  }

  void marks(const BarPlace& bar) {
    const Section& section = *bar.section;
    if (bar.barInSection == 0 && section.lands) {
      crash(mix_, frameOf(bar.firstStep), 0.9f, rng_);
      impact(mix_, frameOf(bar.firstStep), 0.8f, rng_);
    }
    if (section.riserBars > 0 && bar.barInSection == section.bars - section.riserBars) {
      const std::size_t at = frameOf(bar.firstStep);
      riser(mix_, at, frameOf(bar.firstStep + section.riserBars * kStepsPerBar) - at, 1.0f, rng_);
    }
  }

  Stereo effects() {
    const double beatFrames = stepFrames_ * 4.0;
    const Stereo hall = reverb(mix_.reverbSend, plan_.reverbSeconds, plan_.reverbDamping);
    const Stereo repeats =
        echo(mix_.echoSend, static_cast<std::size_t>(std::llround(plan_.echoBeats * beatFrames)), plan_.echoFeedback);
    Stereo song = std::move(mix_.dry);
    for (std::size_t i = 0; i < song.frames(); ++i) {
      song.left[i] += 0.8f * hall.left[i] + 0.6f * repeats.left[i];
      song.right[i] += 0.8f * hall.right[i] + 0.6f * repeats.right[i];
    }
    return song;
  }

  const SongPlan& plan_;
  double stepFrames_;
  sfx::Rng rng_;
  Mix mix_;
  std::vector<BarPlace> bars_;
  std::vector<Phrase> phrases_;
};

}  // namespace

Stereo mixSong(const SongPlan& plan, int bars) { return Arranger(plan, bars).play(); }

void masterSong(Stereo& song) {
  removeRumble(song, 28.0);
  setLevel(song, kSongRmsDb);
  limit(song, static_cast<float>(std::pow(10.0, kSongCeilingDb / 20.0)), 0.15);
}

Stereo renderSong(const SongPlan& plan, int bars) {
  Stereo song = mixSong(plan, bars);
  masterSong(song);
  return song;
}

std::size_t songFrames(const SongPlan& plan) { return Arranger::framesFor(plan, 0); }

}  // namespace tolvex::music
