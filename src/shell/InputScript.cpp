#include "shell/InputScript.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "platform/Input.h"

namespace tolvex {

namespace {

bool ParseUpDown(const std::string& word, bool& down) {
  if (word != "down" && word != "up") return false;
  down = word == "down";
  return true;
}

// Parses one line's event after its frame number; false when it is malformed.
bool ParseEvent(std::istringstream& in, ScriptEvent& event) {
  std::string type, word;
  if (!(in >> type)) return false;
  if (type == "key") {
    event.type = ScriptEvent::Type::Key;
    return (in >> event.code >> word) && event.code > 0 && event.code < kKeyCount && ParseUpDown(word, event.down);
  }
  if (type == "button") {
    event.type = ScriptEvent::Type::Button;
    return (in >> event.code >> word) && event.code >= 1 && event.code <= 3 && ParseUpDown(word, event.down);
  }
  if (type == "mouse") {
    event.type = ScriptEvent::Type::Mouse;
    return static_cast<bool>(in >> event.x >> event.y);
  }
  if (type == "text") {
    event.type = ScriptEvent::Type::Text;
    std::getline(in >> std::ws, event.text);
    return !event.text.empty();
  }
  if (type == "pad") {
    std::string kind, name, value;
    const auto pad = (in >> kind >> name >> value) ? ParsePadEvent(kind, name, value) : std::nullopt;
    if (pad) static_cast<InputEvent&>(event) = *pad;
    return pad.has_value();
  }
  if (type == "focus") {
    event.type = ScriptEvent::Type::FocusLost;
    return (in >> word) && word == "lost";
  }
  return false;
}

}  // namespace

std::optional<InputEvent> ParsePadEvent(std::string_view kind, std::string_view name, std::string_view value) {
  if (kind == "axis") {
    const auto axis = PadAxisNamed(name);
    int position = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), position);
    if (!axis || error != std::errc() || end != value.data() + value.size() || position < -32768 || position > 32767)
      return std::nullopt;
    return InputEvent::OfPadAxis(*axis, position);
  }
  const auto button = PadButtonNamed(name);
  if (kind != "button" || !button || (value != "down" && value != "up")) return std::nullopt;
  return InputEvent::OfPadButton(*button, value == "down");
}

std::string PadEventText(const InputEvent& event) {
  if (event.type == InputEvent::Type::PadAxis)
    return "pad axis " + std::string(PadAxisName(static_cast<PadAxis>(event.code))) + " " + std::to_string(event.value);
  return "pad button " + std::string(PadButtonName(static_cast<PadButton>(event.code))) + (event.down ? " down" : " up");
}

ParsedScript ParseInputScript(const std::string& text) {
  ParsedScript parsed;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::istringstream in(line);
    ScriptEvent event;
    std::string rest;
    if (!(in >> event.frame) || event.frame < 0 || !ParseEvent(in, event) ||
        (event.type != ScriptEvent::Type::Text && (in >> rest))) {
      parsed.error = "input script line " + std::to_string(number) + " is malformed: " + line;
      return parsed;
    }
    parsed.events.push_back(std::move(event));
  }
  return parsed;
}

InputScriptPlayer::InputScriptPlayer(std::vector<ScriptEvent> events) : events_(std::move(events)) {
  std::stable_sort(events_.begin(), events_.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
}

void InputScriptPlayer::BeforeFrame(int frame) {
  for (; next_ < events_.size() && events_[next_].frame <= frame; ++next_) FeedEvent(events_[next_]);
}

}  // namespace tolvex
