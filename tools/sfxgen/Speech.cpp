#include "Speech.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "Effects.h"
#include "Master.h"
#include "WavFile.h"

extern char** environ;

namespace tolvex::sfx {
namespace {

// Starts `argv` with its standard output on a pipe and returns everything it writes, or
// nothing if it cannot be started or does not exit cleanly. No shell is involved.
std::optional<std::vector<std::uint8_t>> runCapturingOutput(std::vector<std::string> argv) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
  std::vector<char*> args;
  for (std::string& arg : argv) args.push_back(arg.data());
  args.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  std::vector<std::uint8_t> output;
  std::uint8_t buffer[65536];
  for (ssize_t got; spawned == 0 && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
    output.insert(output.end(), buffer, buffer + got);
  }
  close(pipeEnds[0]);
  if (spawned != 0) return std::nullopt;
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return output;
}

// The first channel of a decoded file as samples in [-1, 1], brought to kSampleRate.
Signal toSignal(const WavData& wav) {
  Signal mono;
  for (std::size_t i = 0; i < wav.samples.size(); i += static_cast<std::size_t>(wav.channels)) {
    mono.push_back(wav.samples[i] / 32768.0);
  }
  return resample(mono, static_cast<double>(wav.sampleRate) / kSampleRate);
}

}  // namespace

std::optional<Signal> Speech::speak(const std::string& text, const Voice& voice) const {
  if (!available()) return std::nullopt;
  const auto output = runCapturingOutput({enginePath_, "-v", voice.name, "-p", std::to_string(voice.pitch),
                                          "-s", std::to_string(voice.wordsPerMinute), "--stdout", text});
  if (!output) return std::nullopt;
  const auto wav = decodeWav(*output);
  if (!wav || wav->samples.empty()) return std::nullopt;
  Signal spoken = toSignal(*wav);
  trimSilence(spoken, 0.01);
  return spoken;
}

}  // namespace tolvex::sfx
