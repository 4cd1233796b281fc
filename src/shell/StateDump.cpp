#include "shell/StateDump.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <vector>

#include "core/Globals.h"
#include "platform/Files.h"
#include "world/TShip.h"
#include "world/TUniverse.h"

namespace tolvex {

namespace {
std::vector<DumpSection>& Sections() {
  static std::vector<DumpSection> sections;
  return sections;
}
}  // namespace

void AddDumpSection(DumpSection writer) { Sections().push_back(std::move(writer)); }
void ClearDumpSections() { Sections().clear(); }

nlohmann::json DumpState(int frame) {
  nlohmann::json dump;
  dump["frame"] = frame;
  dump["clock"] = FrameClock;
  dump["state"] = GameState;
  dump["stage"] = nullptr;
  dump["difficulty"] = Difficulty;
  dump["player"] = nullptr;
  if (Player) Player->Describe(dump["player"]);
  auto objects = nlohmann::json::array();
  if (Universe) {
    for (const TGObjectPtr& object : TUniverse::WorldList()) {
      nlohmann::json entry;
      object->Describe(entry);
      objects.push_back(std::move(entry));
    }
  }
  dump["objects"] = std::move(objects);
  for (const auto& section : Sections()) section(dump);
  return dump;
}

bool WriteStateDump(int frame, std::string_view path) {
  std::ofstream out(NativePath(path));
  out << DumpState(frame).dump(1) << '\n';
  return static_cast<bool>(out);
}

}  // namespace tolvex
