#pragma once
// ALSA, the sound system SDL plays through on Linux, prints its own complaints to standard error
// ("ALSA lib confmisc.c:855:(parse_card) cannot find card '0'", three of them on a machine
// without a sound card). The game takes them over: they go to the debug log, and while the game
// looks for a sound device they are dropped, as a missing device is told in one line of its own.

namespace tolvex {

// While it lives, ALSA's messages are dropped; after it, they go to the debug log for the rest of
// the run.
class QuietSoundProbe {
 public:
  QuietSoundProbe();
  ~QuietSoundProbe();
  QuietSoundProbe(const QuietSoundProbe&) = delete;
  QuietSoundProbe& operator=(const QuietSoundProbe&) = delete;
};

}  // namespace tolvex
