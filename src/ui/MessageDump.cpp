#include "ui/MessageDump.h"

#include <nlohmann/json.hpp>

#include "ui/TMessage.h"

namespace tolvex {

std::string Latin1ToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      utf8.push_back(c);
    } else {
      utf8.push_back(static_cast<char>(0xC0 | code >> 6));
      utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return utf8;
}

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
