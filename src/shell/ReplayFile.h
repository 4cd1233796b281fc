#pragma once
// A replay: everything a session of the game took from outside, so that it can be played again
// frame for frame. The game is single-threaded and its random numbers seeded, so the seed, the
// settings that change play, each frame's clock step and each input event are all it needs.
//
// The file is text, one item per line. Header lines first:
//   Tolvex replay 1            always the first line
//   seed <n>                   the random generator's seed
//   size <w>x<h>               the screen size
//   start menu|game|highscore  the state entered after start-up
//   camera-delay <0-2>         the camera mode
//   online <0|1>               online highscores (they change the highscore screen's buttons)
//   player <name>              the pilot's name from the settings, escaped as text is below
//   clock <ms>                 the game's clock when start-up ended
//   env <NAME> <value>         a looking-at-things variable (TOLVEX_SPAWN, ...) that was set
//   game <start> <end> <points> <kills>   a game of the session: the frame it began and the
//                              frame it ended in, and the player's points and kills after it
//   frames <n>                 how many frames the session ran: the last game's end
// then frame lines, in frame order:
//   <frame> step <ms>          the clock moves on by ms at this frame and every later one
//   <frame> key <vk> down|up   <frame> button <1-3> down|up   <frame> mouse <x> <y>
//   <frame> text <UTF-8 text, every byte outside ! to ~ and every % written as %XX>
//   <frame> pad axis <leftx|lefty|rightx|righty|lefttrigger|righttrigger> <-32768..32767>
//   <frame> pad button <a|b|x|y|back|start|leftshoulder|rightshoulder|dpup|dpdown|dpleft|dpright> down|up
//   <frame> focus lost          the window lost the keyboard's focus (which pauses a game)
// Events of frame 0 are the input held when the session began; the others arrive as their frame
// begins. Blank lines and lines starting with "#" are skipped.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Globals.h"
#include "shell/InputScript.h"

namespace tolvex {

// A game played in the session.
struct ReplayGame {
  int startFrame = 0;
  int endFrame = 0;
  int points = 0;
  int kills = 0;
};

// How a session began.
struct ReplayHeader {
  std::uint32_t seed = 0;
  int width = 0, height = 0;
  GameStateId start = kStateMainMenu;
  int cameraDelay = 0;
  bool online = false;
  // Empty in files written before the name was kept: the player's own name is used then.
  std::string player;
  int startClock = 0;
  std::vector<std::pair<std::string, std::string>> environment;
  std::vector<ReplayGame> games;
};

// A change of the clock's step from a frame on.
struct ReplayStep {
  int frame = 0;
  int stepMs = 0;
};

// A whole replay as read from its file.
struct Replay {
  ReplayHeader header;
  int frames = 0;
  std::vector<ReplayStep> steps;
  std::vector<ScriptEvent> events;
};

// The variables of the looking-at-things aids a replay carries (they change what happens).
const std::vector<std::string>& ReplayEnvironmentNames();

// The header's lines, ending with "frames" = the last game's end.
std::string ReplayHeaderText(const ReplayHeader& header);
// Frame lines, appended to a growing body.
void AppendReplayStep(std::string& body, int frame, int stepMs);
void AppendReplayEvent(std::string& body, int frame, const InputEvent& event);

// A replay read from text, or the one-line reason it cannot be played.
struct ParsedReplay {
  Replay replay;
  std::string error;
};
ParsedReplay ParseReplay(std::string_view text);

}  // namespace tolvex
