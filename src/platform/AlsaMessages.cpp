#include "platform/AlsaMessages.h"

#include <alsa/asoundlib.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/Diagnostics.h"

namespace tolvex {

namespace {

std::atomic<int> probes{0};

// ALSA calls this from whichever thread meets the trouble, the sound thread among them.
void ToDebugLog(const char* file, int line, const char* function, int error, const char* format, ...) {
  if (probes.load() > 0) return;
  char text[512];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  std::string message = "ALSA: " + std::string(file ? file : "?") + ":" + std::to_string(line) + " (" +
                        (function ? function : "?") + ") " + text;
  if (error != 0) message += ": " + std::string(snd_strerror(error));
  WriteDebugLine(message);
}

}  // namespace

QuietSoundProbe::QuietSoundProbe() {
  static const bool takenOver = snd_lib_error_set_handler(ToDebugLog) == 0;
  static_cast<void>(takenOver);
  ++probes;
}

QuietSoundProbe::~QuietSoundProbe() { --probes; }

}  // namespace tolvex
