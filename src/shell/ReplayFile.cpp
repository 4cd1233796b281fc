#include "shell/ReplayFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <optional>

namespace tolvex {

namespace {

constexpr std::string_view kFirstLine = "Tolvex replay 1";
// A day of frames at 1 ms: more is not a session anybody played.
constexpr long long kMaxFrames = 86'400'000;
// A frame longer than a minute is a stalled machine, not a game.
constexpr int kMaxStepMs = 60'000;
constexpr int kMaxScreenSide = 16384;

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  while (!line.empty()) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) break;
    line.remove_prefix(start);
    const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
    words.push_back(line.substr(0, end));
    line.remove_prefix(end);
  }
  return words;
}

template <typename Number>
std::optional<Number> ReadWhole(std::string_view word, long long low, long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || value < low || value > high) return std::nullopt;
  return static_cast<Number>(value);
}

std::optional<int> ReadInt(std::string_view word, long long low = INT_MIN, long long high = INT_MAX) {
  return ReadWhole<int>(word, low, high);
}

std::optional<float> ReadFloat(std::string_view word) {
  float value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string FloatText(float value) {
  std::array<char, 32> text;
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  return std::string(text.data(), result.ptr);
}

bool Plain(unsigned char c) { return c > ' ' && c < 127 && c != '%'; }

std::string Escaped(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (Plain(byte)) out += c;
    else out += {'%', kHex[byte >> 4], kHex[byte & 15]};
  }
  return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    unsigned value = 0;
    if (i + 2 >= text.size()) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
    if (error != std::errc() || end != text.data() + i + 3) return std::nullopt;
    out += static_cast<char>(value);
    i += 2;
  }
  return out;
}

std::optional<bool> ReadUpDown(std::string_view word) {
  if (word == "down") return true;
  if (word == "up") return false;
  return std::nullopt;
}

std::string_view StateName(GameStateId state) {
  switch (state) {
    case kStateGame: return "game";
    case kStateHighscore: return "highscore";
    default: return "menu";
  }
}

std::optional<GameStateId> ReadState(std::string_view word) {
  if (word == "menu") return kStateMainMenu;
  if (word == "game") return kStateGame;
  if (word == "highscore") return kStateHighscore;
  return std::nullopt;
}

// Reads the event of a frame line (the words after the frame number); false when malformed.
bool ReadEvent(const std::vector<std::string_view>& words, InputEvent& event) {
  const std::string_view type = words[1];
  if ((type == "key" || type == "button") && words.size() == 4) {
    const bool key = type == "key";
    const auto code = key ? ReadInt(words[2], 1, 255) : ReadInt(words[2], 1, 3);
    const auto down = ReadUpDown(words[3]);
    if (!code || !down) return false;
    event = key ? InputEvent::OfKey(*code, *down) : InputEvent::OfButton(*code, *down);
    return true;
  }
  if (type == "mouse" && words.size() == 4) {
    const auto x = ReadFloat(words[2]), y = ReadFloat(words[3]);
    if (!x || !y) return false;
    event = InputEvent::OfMouse(*x, *y);
    return true;
  }
  if (type == "text" && words.size() == 3) {
    auto text = Unescaped(words[2]);
    if (!text || text->empty()) return false;
    event = InputEvent::OfText(std::move(*text));
    return true;
  }
  if (type == "pad" && words.size() == 5) {
    const auto pad = ParsePadEvent(words[2], words[3], words[4]);
    if (pad) event = *pad;
    return pad.has_value();
  }
  if (type == "focus" && words.size() == 3 && words[2] == "lost") {
    event = InputEvent::OfFocusLost();
    return true;
  }
  return false;
}

class ReplayReader {
 public:
  // Reads one line; false when it is malformed.
  bool Line(std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0].starts_with('#')) return true;
    if (words[0][0] >= '0' && words[0][0] <= '9') return FrameLine(words);
    return HeaderLine(words);
  }

  // The reason a replay whose lines all read is still no replay; empty when it is one.
  std::string Check() {
    if (!seen_.seed || !seen_.size || !seen_.frames) return "a replay names its seed, screen size and frames";
    if (replay_.header.games.empty() || replay_.header.games.back().endFrame != replay_.frames)
      return "a replay ends with the end of its last game";
    if (lastFrame_ > replay_.frames) return "a frame line comes after the end";
    // The clock must not run past what it can count.
    long long clock = replay_.header.startClock;
    for (std::size_t i = 0; i < replay_.steps.size(); ++i) {
      const int until = i + 1 < replay_.steps.size() ? replay_.steps[i + 1].frame : replay_.frames + 1;
      clock += static_cast<long long>(replay_.steps[i].stepMs) * std::max(0, until - replay_.steps[i].frame);
    }
    if (clock > INT_MAX) return "the clock would run past its end";
    return {};
  }

  Replay Take() { return std::move(replay_); }

 private:
  bool FrameLine(const std::vector<std::string_view>& words) {
    const auto frame = ReadInt(words[0], 0, kMaxFrames);
    if (!frame || words.size() < 2 || *frame < lastFrame_) return false;
    lastFrame_ = *frame;
    if (words[1] == "step") {
      const auto step = words.size() == 3 ? ReadInt(words[2], 0, kMaxStepMs) : std::nullopt;
      if (!step || *frame == 0) return false;
      replay_.steps.push_back({*frame, *step});
      return true;
    }
    ScriptEvent event;
    if (!ReadEvent(words, event)) return false;
    event.frame = *frame;
    replay_.events.push_back(std::move(event));
    return true;
  }

  bool HeaderLine(const std::vector<std::string_view>& words) {
    auto& header = replay_.header;
    const std::string_view key = words[0];
    const std::size_t values = words.size() - 1;
    if (key == "seed" && values == 1) return Set(seen_.seed, ReadWhole<std::uint32_t>(words[1], 0, UINT32_MAX), header.seed);
    if (key == "size" && values == 1) return Size(words[1]);
    if (key == "start" && values == 1) return Set(seen_.start, ReadState(words[1]), header.start);
    if (key == "camera-delay" && values == 1) return Set(seen_.camera, ReadInt(words[1], 0, 2), header.cameraDelay);
    if (key == "online" && values == 1) return Set(seen_.online, ReadWhole<bool>(words[1], 0, 1), header.online);
    if (key == "player" && values == 1) return Player(words[1]);
    if (key == "clock" && values == 1) return Set(seen_.clock, ReadInt(words[1], 0, INT_MAX), header.startClock);
    if (key == "frames" && values == 1) return Set(seen_.frames, ReadInt(words[1], 1, kMaxFrames), replay_.frames);
    if (key == "env" && values == 2) return Environment(words[1], words[2]);
    if (key == "game" && values == 4) return Game(words);
    return false;
  }

  template <typename Value>
  static bool Set(bool& seen, std::optional<Value> read, Value& field) {
    if (seen || !read) return false;
    seen = true;
    field = *read;
    return true;
  }

  bool Size(std::string_view text) {
    const std::size_t x = text.find('x');
    if (seen_.size || x == std::string_view::npos) return false;
    const auto width = ReadInt(text.substr(0, x), 64, kMaxScreenSide);
    const auto height = ReadInt(text.substr(x + 1), 64, kMaxScreenSide);
    if (!width || !height) return false;
    seen_.size = true;
    replay_.header.width = *width, replay_.header.height = *height;
    return true;
  }

  bool Player(std::string_view text) {
    auto name = Unescaped(text);
    if (seen_.player || !name || name->empty()) return false;
    seen_.player = true;
    replay_.header.player = std::move(*name);
    return true;
  }

  bool Environment(std::string_view name, std::string_view value) {
    const auto& known = ReplayEnvironmentNames();
    if (std::find(known.begin(), known.end(), name) == known.end()) return false;
    auto text = Unescaped(value);
    if (!text) return false;
    replay_.header.environment.emplace_back(std::string(name), std::move(*text));
    return true;
  }

  bool Game(const std::vector<std::string_view>& words) {
    const auto start = ReadInt(words[1], 0, kMaxFrames), end = ReadInt(words[2], 0, kMaxFrames);
    const auto points = ReadInt(words[3]), kills = ReadInt(words[4]);
    auto& games = replay_.header.games;
    if (!start || !end || !points || !kills || *end < *start) return false;
    if (!games.empty() && *start < games.back().endFrame) return false;
    games.push_back({*start, *end, *points, *kills});
    return true;
  }

 private:
  struct Seen {
    bool seed = false, size = false, start = false, camera = false, online = false, player = false, clock = false,
         frames = false;
  } seen_;
  Replay replay_;
  int lastFrame_ = 0;
};

}  // namespace

const std::vector<std::string>& ReplayEnvironmentNames() {
  static const std::vector<std::string> names = {"TOLVEX_SPAWN", "TOLVEX_AMBIENT", "TOLVEX_EFFECT", "TOLVEX_CAMERA"};
  return names;
}

std::string ReplayHeaderText(const ReplayHeader& header) {
  std::string text = std::string(kFirstLine) + "\n";
  text += "# Play it with: tolvex --replay FILE (add --headless to play it without a window)\n";
  text += "seed " + std::to_string(header.seed) + "\n";
  text += "size " + std::to_string(header.width) + "x" + std::to_string(header.height) + "\n";
  text += "start " + std::string(StateName(header.start)) + "\n";
  text += "camera-delay " + std::to_string(header.cameraDelay) + "\n";
  text += "online " + std::to_string(header.online ? 1 : 0) + "\n";
  if (!header.player.empty()) text += "player " + Escaped(header.player) + "\n";
  text += "clock " + std::to_string(header.startClock) + "\n";
  for (const auto& [name, value] : header.environment) text += "env " + name + " " + Escaped(value) + "\n";
  text += "# game <first frame> <last frame> <points> <kills>\n";
  for (const ReplayGame& game : header.games) {
    text += "game " + std::to_string(game.startFrame) + " " + std::to_string(game.endFrame) + " " +
            std::to_string(game.points) + " " + std::to_string(game.kills) + "\n";
  }
  text += "frames " + std::to_string(header.games.empty() ? 0 : header.games.back().endFrame) + "\n";
  return text;
}

void AppendReplayStep(std::string& body, int frame, int stepMs) {
  body += std::to_string(frame) + " step " + std::to_string(stepMs) + "\n";
}

void AppendReplayEvent(std::string& body, int frame, const InputEvent& event) {
  body += std::to_string(frame);
  switch (event.type) {
    case InputEvent::Type::Key:
    case InputEvent::Type::Button:
      body += event.type == InputEvent::Type::Key ? " key " : " button ";
      body += std::to_string(event.code) + (event.down ? " down" : " up");
      break;
    case InputEvent::Type::Mouse: body += " mouse " + FloatText(event.x) + " " + FloatText(event.y); break;
    case InputEvent::Type::Text: body += " text " + Escaped(event.text); break;
    case InputEvent::Type::PadAxis:
    case InputEvent::Type::PadButton: body += " " + PadEventText(event); break;
    case InputEvent::Type::FocusLost: body += " focus lost"; break;
  }
  body += "\n";
}

ParsedReplay ParseReplay(std::string_view text) {
  ParsedReplay parsed;
  ReplayReader reader;
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (number == 1 ? line != kFirstLine : !reader.Line(line)) {
      parsed.error = "replay line " + std::to_string(number) + " is not understood: " + std::string(line.substr(0, 80));
      return parsed;
    }
  }
  parsed.error = reader.Check();
  if (parsed.error.empty()) parsed.replay = reader.Take();
  return parsed;
}

}  // namespace tolvex
