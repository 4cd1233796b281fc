#include "ui/MessageDump.h"

#include <nlohmann/json.hpp>

#include "core/Helpers.h"
#include "ui/TMessage.h"

namespace tolvex {

void DumpMessages(nlohmann::json& dump) {
  auto messages = nlohmann::json::array();
  for (const TMessagePtr& message : MessageList) {
    messages.push_back({{"content", Latin1ToUtf8(message->content)},
                        {"durationmax", message->durationmax},
                        {"size", message->size},
                        {"color", message->color}});
  }
  dump["messages"] = std::move(messages);
}

}  // namespace tolvex
