#include "shell/InputScript.h"

#include <algorithm>
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
  return false;
}

}  // namespace

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
