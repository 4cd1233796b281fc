#include "ui/MenuDump.h"

#include <nlohmann/json.hpp>

#include "ui/TMenue.h"

namespace tolvex {

void DumpMenu(nlohmann::json& dump) {
  const auto& menu = Menu();
  auto buttons = nlohmann::json::array();
  for (const TMenuePtr& button : menu.buttons)
    buttons.push_back({{"command", button->command}, {"alpha", button->alpha}, {"active", button->active}});
  dump["menu"] = {{"x", menu.x}, {"y", menu.y}, {"shown", menu.shown}, {"closing", menu.closing}, {"buttons", std::move(buttons)}};
}

}  // namespace tolvex
